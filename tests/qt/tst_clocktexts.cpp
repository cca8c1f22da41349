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
    void french() {
        const LocaleClock clock(QLocale(QLocale::French, QLocale::France));
        const LocalTime t = at(2026, 12, 6, 14, 5, 9);
        QCOMPARE(clock.timeText(t, true), std::string("14:05:09"));
        QCOMPARE(clock.timeText(t, false), std::string("14:05"));
        QCOMPARE(clock.dateText(t), std::string("06/12/2026"));
        QCOMPARE(clock.timeText(at(2026, 1, 2, 0, 0, 0), true), std::string("00:00:00"));
    }

    void withoutSecondsIsTheShortTimeNotACut() {
        const LocaleClock clock(QLocale(QLocale::English, QLocale::UnitedStates));
        const LocalTime t = at(2026, 12, 6, 14, 5, 9);
        const QString shortTime = QString::fromStdString(clock.timeText(t, false));
        const QString longTime = QString::fromStdString(clock.timeText(t, true));
        QVERIFY2(shortTime.startsWith("2:05") && shortTime.endsWith("PM"), qPrintable(shortTime));
        QVERIFY2(longTime.startsWith("2:05:09") && longTime.endsWith("PM"), qPrintable(longTime));
        QCOMPARE(clock.dateText(t), std::string("12/6/26"));
    }

    void timeZoneLeftOut_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zone after") << "HH:mm:ss t"
                                    << "HH:mm:ss";
        QTest::newRow("zone before") << "t HH:mm:ss"
                                     << "HH:mm:ss";
        QTest::newRow("no zone") << "h:mm:ss AP"
                                 << "h:mm:ss AP";
        QTest::newRow("quoted text kept") << "HH 'h' mm 'min' ss 's' t"
                                          << "HH 'h' mm 'min' ss 's'";
        QTest::newRow("a quoted t is text") << "HH'th' t"
                                            << "HH'th'";
    }

    void timeZoneLeftOut() {
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(withoutTimeZone(format), expected);
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
