// The system asks the program to end: on Linux a SIGTERM (logout, shutdown,
// `kill`), SIGINT or SIGHUP; on Windows the session ending. The runtime only
// delivers the request, on the event loop and never from inside a signal
// handler, so a save in progress always completes first; the core decides
// what ending means.
#pragma once

#include <functional>

namespace talvorin {

class EndRequests {
  public:
    virtual ~EndRequests() = default;
    // From now on `onEndRequest` runs on the event loop each time the system
    // asks. Raises when the requests cannot be watched; the program then
    // ends the way the system ends it.
    virtual void watchEndRequests(std::function<void()> onEndRequest) = 0;
};

}  // namespace talvorin
