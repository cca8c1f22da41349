// The wall clock read once per tick, and its time and date written the way
// the user's locale writes them (Qt's locale data, so it works on systems
// that have no C library locales installed).
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
    // Without seconds: the locale's short time. With seconds: its long time
    // without the time-zone name, which no clock face shows.
    std::string timeText(const LocalTime& t, bool withSeconds) const;
    std::string dateText(const LocalTime& t) const;

  private:
    QLocale locale_;
};

// A Qt time format with its time-zone fields and the blanks around them removed.
QString withoutTimeZone(const QString& format);

}  // namespace talvorin
