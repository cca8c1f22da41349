// One running clock per options file: a later start on the same file finds
// the running clock, asks it to show itself and ends. The core names the
// claim; each runtime holds it with what its system offers, so that a clock
// killed without warning never keeps the next one from starting.
#pragma once

#include <functional>
#include <string>

namespace talvorin {

// What others may ask of the clock holding a claim; each runs on the event loop.
struct InstanceRequests {
    std::function<void()> show;  // a later start on the same file
    // An installer about to replace or remove the program. Only the Windows
    // runtime receives it: a Debian upgrade leaves a running clock alone.
    std::function<void()> quit;
};

class SingleInstance {
  public:
    virtual ~SingleInstance() = default;
    // True when this process now holds `key` for the rest of its life: from
    // then on `requests` answer what others ask. False when a live process
    // already holds it; that one has been asked to show itself. Raises when
    // the claim cannot be set up at all.
    // `key` is made of ASCII letters, digits and '-' only.
    virtual bool claimInstance(const std::string& key, InstanceRequests requests) = 0;
};

}  // namespace talvorin
