#include "clock/modFunctions.h"

#include <array>

#include "base/Error.h"

namespace talvorin {

std::string dayName(int16_t number) {
    // Indexed by the number modulo 7, Saturday being 0 and Sunday 1.
    static constexpr std::array<const char*, 7> kNames = {
        "samedi", "dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi"};
    if (number < 0 || number > 14) return "ErreurJour";
    return kNames[static_cast<std::size_t>(number % 7)];
}

namespace {

// 1 for Sunday up to 7 for Saturday.
int16_t weekdayNumber(const std::chrono::year_month_day& date) {
    if (!date.ok()) throw RuntimeError(ErrorCode::InvalidProcedureCall, "no such date");
    const std::chrono::weekday day{std::chrono::sys_days{date}};
    return static_cast<int16_t>(day.c_encoding() + 1);
}

}  // namespace

std::string dayOfWeekName(const std::chrono::year_month_day& date) {
    try {
        return dayName(weekdayNumber(date));
    } catch (const RuntimeError&) {
        return "erreur jour";
    }
}

}  // namespace talvorin
