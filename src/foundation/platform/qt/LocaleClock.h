// The wall clock read once per tick, the user's locale's hour cycle, and its
// date written the way the locale writes it (Qt's locale data, so it works on
// systems that have no C library locales installed).
#pragma once

#include <QLocale>
#include <QString>

#include "platform/Runtime.h"

namespace talvorin {

// The user's locale; with none chosen (the C locale of a bare system, whose
// "short" time keeps the seconds), the program's own language, French.
QLocale userLocale();

class LocaleClock {
  public:
    explicit LocaleClock(QLocale locale = userLocale()) : locale_(std::move(locale)) {}

    LocalTime now() const;
    // The hour cycle of the locale's short time, and its day-half markers.
    HourCycle hourCycle() const;
    std::string dateText(const LocalTime& t) const;

  private:
    QLocale locale_;
};

}  // namespace talvorin
