#include "clock/TimeText.h"

#include <algorithm>
#include <cstdio>

namespace talvorin {

namespace {

constexpr const char* kLeftToRightMark = "\u200E";

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace

std::string clockTimeText(const LocalTime& t, bool withSeconds, const HourCycle& cycle) {
    const int hour = cycle.twelveHour ? (t.hour + 11) % 12 + 1 : t.hour;
    std::string text = cycle.padHour ? twoDigits(hour) : std::to_string(hour);
    text += ":" + twoDigits(t.minute);
    if (withSeconds) text += ":" + twoDigits(t.second);
    if (!cycle.twelveHour) return text;
    const std::string& marker = t.hour < 12 ? cycle.am : cycle.pm;
    if (marker.empty()) return text;
    text = cycle.markerFirst ? marker + " " + text : text + " " + marker;
    // An Arabic or Hebrew marker would turn the whole line right to left, and
    // a left-aligned label would push it out of the window: the time reads
    // left to right, so it says so with a left-to-right mark first.
    const bool ascii = std::all_of(marker.begin(), marker.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? text : kLeftToRightMark + text;
}

}  // namespace talvorin
