// One running clock per options file: a later start on the same file finds
// the running clock, asks it to show itself and ends. The core names the
// claim; each runtime holds it with what its system offers, so that a clock
// killed without warning never keeps the next one from starting.
#pragma once

#include <functional>
#include <string>

namespace talvorin {

class SingleInstance {
  public:
    virtual ~SingleInstance() = default;
    // True when this process now holds `key` for the rest of its life: from
    // then on `onShowRequest` runs, on the event loop, each time a later start
    // asks. False when a live process already holds it; that one has been
    // asked to show itself. Raises when the claim cannot be set up at all.
    // `key` is made of ASCII letters, digits and '-' only.
    virtual bool claimInstance(const std::string& key, std::function<void()> onShowRequest) = 0;
};

}  // namespace talvorin
