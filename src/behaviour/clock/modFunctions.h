// French day names for the clock's date line.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace talvorin {

// 1 Sunday .. 7 Saturday, and the same again up to 14; 0 is Saturday too.
// Anything else gives "ErreurJour".
std::string dayName(int16_t number);

// The lower-case French name of the date's weekday, or "erreur jour" for a
// date that does not exist.
std::string dayOfWeekName(const std::chrono::year_month_day& date);

}  // namespace talvorin
