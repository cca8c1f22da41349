#include "clock/ClockExtras.h"

#include "base/Error.h"
#include "base/FileReplace.h"
#include "base/Integers.h"
#include "program/ErrorBoundary.h"

namespace talvorin {

void ClockExtras::load(const std::string& optionsFile) noexcept {
    guardStep(trace_, "extras", [&] {
        file_ = extrasPathBeside(optionsFile);
        // Left by a clock killed in the middle of a save.
        removeLeftoverTemporaries(file_);
    });
    if (!file_.empty()) read();
}

void ClockExtras::read() noexcept {
    const auto failed =
        guardStep(trace_, "extras " + file_ + " not read, all off and the file left as it is", [&] {
            known_ = os::stampOf(file_);
            values_ = parseExtras(
                readExtrasText(file_), [&](std::size_t number, const std::string& line) {
                    trace_.reportError("extras " + file_ + " line " +
                                       toText(static_cast<int64_t>(number)) + " ignored: " + line);
                });
        });
    savesOff_ = failed.has_value();
    if (failed) values_ = Extras{};
}

bool ClockExtras::reloadIfEdited() noexcept {
    if (file_.empty() || os::stampOf(file_) == known_) return false;
    read();
    return true;
}

void ClockExtras::set(ExtraKey key, bool on) {
    extraFlag(values_, key) = on;
    if (savesOff_)
        throw RuntimeError(ErrorCode::PathFileAccess,
                           "the extras file that could not be read is kept, not written over");
    // Read again so an edit made since the last look is kept too.
    replaceFile(file_, formatExtras(readExtrasText(file_), values_));
    known_ = os::stampOf(file_);
}

}  // namespace talvorin
