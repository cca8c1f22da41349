#include "clock/TimeText.h"

#include <cstdio>

namespace talvorin {

namespace {

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
    return cycle.markerFirst ? marker + " " + text : text + " " + marker;
}

}  // namespace talvorin
