// How the user's locale writes a time of day, as facts the runtime reads from
// its system: 12 or 24 hours, a leading zero, and the day-half markers. The
// clock writes the digits itself from these, so they are always 0-9, the
// only digits its LCD face has, whatever digits the locale uses.
#pragma once

#include <string>
#include <string_view>

namespace talvorin {

struct HourCycle {
    bool twelveHour = false;   // 1 to 12 with a marker; otherwise 0 to 23
    bool padHour = true;       // "09:05" rather than "9:05"
    bool markerFirst = false;  // the marker before the time, as in Korean or Chinese
    std::string am;            // UTF-8
    std::string pm;
    bool operator==(const HourCycle&) const = default;
};

// The facts of a time pattern of the system ("HH:mm:ss", "h:mm AP", "tt h:mm"):
// `markerLetters` are the pattern letters of the day-half marker ("aA" in Qt,
// "t" on Windows); text between single quotes is literal. Twelve hours when
// the hour is written with 'h' and a marker is shown; a pattern without an
// hour gives the French 24 hours. The markers are left empty.
HourCycle hourCycleOfPattern(std::string_view pattern, std::string_view markerLetters);

}  // namespace talvorin
