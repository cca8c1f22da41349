// What the settings dialog may do with the running clock, and no more: read
// and write its settings, save them, reload them (which moves and resizes
// the clock), and stop its tick while an apply is under way.
#pragma once

#include <string>

#include "settings/ClockSettings.h"

namespace talvorin {

class ClockControl {
  public:
    virtual ~ClockControl() = default;
    virtual ClockSettings& clockSettings() = 0;
    // Writes the settings to the options file; raises on failure.
    virtual void save() = 0;
    // The options file in use, as shown to the user.
    virtual std::string optionsFilePath() const = 0;
    // Reads the options file back and lays the clock out from it; never raises.
    virtual void reload() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // False once the clock window is gone (the program is ending).
    virtual bool running() const = 0;
};

}  // namespace talvorin
