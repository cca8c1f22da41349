// The wall clock and the user's locale formats, from Windows itself, so the
// time reads "14:05:09" in France and "2:05:09 PM" in the United States.
#pragma once

#include <string>

#include "platform/Runtime.h"

namespace talvorin::win32 {

LocalTime localNow();
std::string localTimeText(const LocalTime& t, bool withSeconds);
std::string localDateText(const LocalTime& t);

}  // namespace talvorin::win32
