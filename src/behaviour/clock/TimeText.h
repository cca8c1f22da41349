// The time the clock face draws. Written here from the numbers, never by the
// locale, so the digits are the face's own 0-9 in every language; the locale
// only chooses the hour cycle and the day-half markers.
//
// Without seconds the seconds field goes and the rest stays: "14:05", and in
// a 12-hour locale "2:05 PM". Cutting the text to five characters, as a
// 24-hour clock could, would drop the marker and leave "2:05 " (or "2:05:"),
// an hour that no longer says which half of the day it is.
#pragma once

#include <string>

#include "platform/HourCycle.h"
#include "platform/Runtime.h"

namespace talvorin {

std::string clockTimeText(const LocalTime& t, bool withSeconds, const HourCycle& cycle);

}  // namespace talvorin
