// Word that something changed in a folder, from the system's own change
// notices: the clock looks at its files only then, never on a timer. What a
// change means (a hand edit to load, its own write to ignore) is the core's
// to decide; a runtime only says "this folder changed".
#pragma once

#include <functional>
#include <string>

namespace talvorin {

class FolderWatch {
  public:
    virtual ~FolderWatch() = default;
    // From now on `changed` runs on the event loop after a file in `folder`
    // was written, created, renamed or removed (several changes may come as
    // one call). False when the system cannot watch it: the caller then looks
    // for itself. A later call for another folder replaces the watch.
    virtual bool watchFolder(const std::string& folder, std::function<void()> changed) = 0;
};

}  // namespace talvorin
