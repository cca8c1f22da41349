// The clock's extra settings and their file: read at start and whenever
// someone else changed the file, saved at once when the tray changes one.
// A file that cannot be read is left alone (every extra off meanwhile) and
// never written over, as it may be all the user has.
#pragma once

#include <string>

#include "base/Files.h"
#include "platform/Runtime.h"
#include "settings/ExtrasFile.h"

namespace talvorin {

class ClockExtras {
  public:
    explicit ClockExtras(ErrorTrace& trace) : trace_(trace) {}

    const Extras& values() const { return values_; }
    const std::string& file() const { return file_; }

    // Reads the file beside this options file. Never raises: a failure
    // leaves a line in the error trace.
    void load(const std::string& optionsFile) noexcept;
    // Reads the file again when it changed since it was last read or written;
    // true when it did.
    bool reloadIfEdited() noexcept;
    // Sets one extra and saves the file, keeping its other lines. Raises when
    // it cannot be saved; the value stays set for this run.
    void set(ExtraKey key, bool on);

  private:
    void read() noexcept;

    ErrorTrace& trace_;
    std::string file_;
    Extras values_;
    bool savesOff_ = false;  // the file could not be read: not written over
    os::FileStamp known_;
};

}  // namespace talvorin
