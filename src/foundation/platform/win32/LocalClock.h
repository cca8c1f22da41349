// The wall clock and the user's locale, from Windows itself: its hours
// (24 in France, 12 with "AM"/"PM" in the United States) and its date format.
#pragma once

#include <string>

#include "platform/Runtime.h"

namespace talvorin::win32 {

LocalTime localNow();
// The user's time format's hour cycle and day-half markers; a setting that
// cannot be read counts as the French 24 hours.
HourCycle localHourCycle();
std::string localDateText(const LocalTime& t);

}  // namespace talvorin::win32
