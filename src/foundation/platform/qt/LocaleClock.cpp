#include "platform/qt/LocaleClock.h"

#include <QDate>
#include <chrono>
#include <ctime>

namespace talvorin {

LocalTime LocaleClock::now() const {
    using namespace std::chrono;
    const std::time_t seconds = system_clock::to_time_t(system_clock::now());
    // Picks up a changed TZ; localtime_r alone may keep the zone it first saw.
    tzset();
    std::tm local{};
    localtime_r(&seconds, &local);
    LocalTime t;
    t.date =
        year_month_day{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                       day{static_cast<unsigned>(local.tm_mday)}};
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    t.second = local.tm_sec;
    return t;
}

HourCycle LocaleClock::hourCycle() const {
    const QString pattern = locale_.timeFormat(QLocale::ShortFormat);
    HourCycle cycle = hourCycleOfPattern(pattern.toStdString(), "aA");
    // Qt's "AP" and "A" show the markers in capitals ("am" becomes "AM").
    const bool capitals = pattern.contains(u'A');
    const auto shown = [capitals](const QString& marker) {
        return (capitals ? marker.toUpper() : marker).toStdString();
    };
    cycle.am = shown(locale_.amText());
    cycle.pm = shown(locale_.pmText());
    return cycle;
}

std::string LocaleClock::dateText(const LocalTime& t) const {
    const QDate date(static_cast<int>(t.date.year()), static_cast<unsigned>(t.date.month()),
                     static_cast<unsigned>(t.date.day()));
    return locale_.toString(date, QLocale::ShortFormat).toStdString();
}

QLocale userLocale() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return QLocale(QLocale::French, QLocale::France);
    return system;
}

}  // namespace talvorin
