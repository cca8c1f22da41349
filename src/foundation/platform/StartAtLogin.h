// Whether the desktop starts the program when the user logs in. The state
// lives where the desktop itself looks (an autostart entry, the Run key),
// so it is read afresh each time rather than remembered.
#pragma once

namespace talvorin {

class StartAtLogin {
  public:
    virtual ~StartAtLogin() = default;
    virtual bool startsAtLogin() const = 0;
    // Raises RuntimeError when the entry cannot be written or removed.
    virtual void setStartAtLogin(bool on) = 0;
};

}  // namespace talvorin
