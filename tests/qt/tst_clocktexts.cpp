// The clock's texts in the user's locale, and one reading of the wall clock.
#include <QDate>
#include <QTest>

#include "platform/qt/LocaleClock.h"

using namespace talvorin;
using namespace std::chrono;

namespace {

LocalTime at(int y, unsigned m, unsigned d, int hh, int mm, int ss) {
    LocalTime t;
    t.date = year_month_day{year{y}, month{m}, day{d}};
    t.hour = hh;
    t.minute = mm;
    t.second = ss;
    return t;
}

}  // namespace

class ClockTextsTest : public QObject {
    Q_OBJECT

  private slots:
    // The locale's own hours, from Qt's data; the digits are the clock's.
    void hoursOfRealLocales_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<bool>("padHour");
        QTest::addColumn<QString>("pm");
        QTest::newRow("fr_FR") << QLocale("fr_FR") << false << true << "";
        QTest::newRow("fa_IR") << QLocale("fa_IR") << false << false << "";
        QTest::newRow("en_US") << QLocale("en_US") << true << false << "PM";
        QTest::newRow("hi_IN: Qt's capitals") << QLocale("hi_IN") << true << false << "PM";
        QTest::newRow("ar_EG") << QLocale("ar_EG") << true << false << "\u0645";
    }

    void hoursOfRealLocales() {
        QFETCH(QLocale, locale);
        QFETCH(bool, twelveHour);
        QFETCH(bool, padHour);
        QFETCH(QString, pm);
        const HourCycle hours = LocaleClock(locale).hourCycle();
        QCOMPARE(hours.twelveHour, twelveHour);
        QCOMPARE(hours.padHour, padHour);
        QCOMPARE(hours.markerFirst, false);
        if (twelveHour) QCOMPARE(QString::fromStdString(hours.pm), pm);
    }

    void patterns_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("facts");  // 12 h, leading zero, marker first
        // name, pattern, the pattern's marker letters, what it says
        const char* const rows[][4] = {
            {"French", "HH:mm:ss", "aA", "0 1 0"},
            {"Qt 12 h", "h:mm:ss AP", "aA", "1 0 0"},
            {"marker first", "AP h:mm", "aA", "1 0 1"},
            {"quoted letters are text", "HH 'h' mm 'a'", "aA", "0 1 0"},
            {"Windows 12 h", "hh:mm:ss tt", "t", "1 1 0"},
            {"Windows marker first", "tt h:mm:ss", "t", "1 0 1"},
            {"24 h with a marker", "HH:mm tt", "t", "0 1 0"},
            {"no hour: French", "", "t", "0 1 0"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]);
    }

    void patterns() {
        QFETCH(QString, pattern);
        QFETCH(QString, letters);
        QFETCH(QString, facts);
        const HourCycle h = hourCycleOfPattern(pattern.toStdString(), letters.toStdString());
        QCOMPARE(QString("%1 %2 %3").arg(h.twelveHour).arg(h.padHour).arg(h.markerFirst), facts);
    }

    void frenchDate() {
        const LocalTime t = at(2026, 12, 6, 14, 5, 9);
        QCOMPARE(LocaleClock(QLocale(QLocale::French, QLocale::France)).dateText(t),
                 std::string("06/12/2026"));
    }

    void aBareSystemSpeaksFrench() {
        // The tests run with LANG=C, as a server often does.
        QCOMPARE(QLocale::system().language(), QLocale::C);
        QCOMPARE(userLocale().language(), QLocale::French);
    }

    void nowIsTheLocalWallClock() {
        const LocaleClock clock;
        const QDateTime before = QDateTime::currentDateTime();
        const LocalTime t = clock.now();
        const QDateTime after = QDateTime::currentDateTime();
        const QDateTime read(
            QDate(int(t.date.year()), unsigned(t.date.month()), unsigned(t.date.day())),
            QTime(t.hour, t.minute, t.second));
        QVERIFY(read >= before.addMSecs(-before.time().msec()));
        QVERIFY(read <= after);
    }
};

QTEST_MAIN(ClockTextsTest)
#include "tst_clocktexts.moc"
