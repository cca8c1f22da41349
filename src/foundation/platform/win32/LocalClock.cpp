#include "platform/win32/LocalClock.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

namespace {

SYSTEMTIME toSystemTime(const LocalTime& t) {
    using namespace std::chrono;
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(static_cast<int>(t.date.year()));
    st.wMonth = static_cast<WORD>(static_cast<unsigned>(t.date.month()));
    st.wDay = static_cast<WORD>(static_cast<unsigned>(t.date.day()));
    st.wDayOfWeek = static_cast<WORD>(weekday(sys_days(t.date)).c_encoding());
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    return st;
}

std::string localeText(LCTYPE what) {
    wchar_t text[80] = {};
    if (!GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, text, 80)) return {};
    return narrow(text);
}

}  // namespace

LocalTime localNow() {
    using namespace std::chrono;
    SYSTEMTIME st{};
    GetLocalTime(&st);
    LocalTime t;
    t.date = year_month_day{year{st.wYear}, month{st.wMonth}, day{st.wDay}};
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    return t;
}

HourCycle localHourCycle() {
    HourCycle cycle = hourCycleOfPattern(localeText(LOCALE_STIMEFORMAT), "t");
    cycle.am = localeText(LOCALE_SAM);
    cycle.pm = localeText(LOCALE_SPM);
    return cycle;
}

std::string localDateText(const LocalTime& t) {
    const SYSTEMTIME st = toSystemTime(t);
    wchar_t text[80] = {};
    if (!GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, 80, nullptr))
        return {};
    return narrow(text);
}

}  // namespace talvorin::win32
