// The clock window built from its real design: clicks against drags, twips
// against pixels, the look of its labels, its timer and its life cycle.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <chrono>

#include "QtTestSupport.h"
#include "clock/frmMainDesign.h"

using namespace talvorin;
using namespace talvorin::test;

class ClockWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // Every pixel expectation below is for 96 dpi: 15 twips a pixel.
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    }

    void clickOrDrag_data() {
        QTest::addColumn<QPoint>("press");  // in the window, pixels
        QTest::addColumn<QPoint>("moveBy");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("clicked");  // "-": no click
        QTest::addColumn<QPoint>("windowMovedBy");

        const int d = QApplication::startDragDistance();
        const QPoint heure(300, 200), day(20, 18), surface(3, 3);
        QTest::newRow("click on the time")
            << heure << QPoint() << int(Qt::LeftButton) << "LabHeure" << QPoint();
        QTest::newRow("click on the date")
            << day << QPoint() << int(Qt::LeftButton) << "LabDay" << QPoint();
        QTest::newRow("click on the surface")
            << surface << QPoint() << int(Qt::LeftButton) << "" << QPoint();
        QTest::newRow("a jitter within the drag distance is still a click")
            << heure << QPoint(d, -d) << int(Qt::LeftButton) << "LabHeure" << QPoint();
        QTest::newRow("beyond the drag distance across")
            << heure << QPoint(d + 1, 0) << int(Qt::LeftButton) << "-" << QPoint(d + 1, 0);
        QTest::newRow("beyond the drag distance down")
            << surface << QPoint(-4, 40) << int(Qt::LeftButton) << "-" << QPoint(-4, 40);
        QTest::newRow("the right button does nothing")
            << heure << QPoint() << int(Qt::RightButton) << "-" << QPoint();
    }

    void clickOrDrag() {
        QFETCH(QPoint, press);
        QFETCH(QPoint, moveBy);
        QFETCH(int, button);
        QFETCH(QString, clicked);
        QFETCH(QPoint, windowMovedBy);

        TestForm form(frmMainDesign());
        FormWindow& w = form.window();
        w.move(100, 80);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint start = w.pos();
        const auto b = static_cast<Qt::MouseButton>(button);
        const QPoint cursor = start + press;

        sendMouse(w, QEvent::MouseButtonPress, b, press, cursor);
        // The window follows the cursor, so later events come at the same
        // place in the window but elsewhere on the screen.
        sendMouse(w, QEvent::MouseMove, b, press, cursor + moveBy / 2);
        sendMouse(w, QEvent::MouseMove, b, press, cursor + moveBy);
        sendMouse(w, QEvent::MouseButtonRelease, b, press, cursor + moveBy);

        const std::vector<std::string> expected =
            clicked == "-" ? std::vector<std::string>{}
                           : std::vector<std::string>{clicked.toStdString()};
        QCOMPARE(form.events.clicks, expected);
        QCOMPARE(w.pos(), start + windowMovedBy);
    }

    void twipsBecomePixelsAndBack() {
        TestForm form(frmMainDesign());
        FormView& view = *form.view;
        view.setTop(1500);
        view.setLeft(3000);
        view.setWidth(2312);
        view.setHeight(2152);
        FormWindow& w = form.window();
        QCOMPARE(w.pos(), QPoint(200, 100));
        QCOMPARE(w.size(), QSize(154, 143));  // 154.13 and 143.47 pixels

        // A position between pixels lands on the nearest one, and reads
        // back as given while the window stays there, mapped or not.
        view.setTop(500);   // 33.3 px
        view.setLeft(800);  // 53.3 px
        QCOMPARE(w.pos(), QPoint(53, 33));
        QCOMPARE(view.top(), 500.0);
        QCOMPARE(view.left(), 800.0);

        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(view.top(), 500.0);
        QCOMPARE(view.left(), 800.0);
        QCOMPARE(w.frameGeometry().size(), QSize(154, 143));

        // Moved by a pixel: the whole twips of where it really is.
        w.move(54, 33);
        QCOMPARE(view.left(), 810.0);
        QCOMPARE(view.top(), 500.0);
    }

    void frameless_but_managed() {
        TestForm form(frmMainDesign());
        const Qt::WindowFlags flags = form.window().windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        // The window manager must manage it, or its desktop states mean nothing.
        QVERIFY(!flags.testFlag(Qt::X11BypassWindowManagerHint));
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
        QVERIFY(form.window().testAttribute(Qt::WA_TranslucentBackground));
    }

    void labelsAsDesigned() {
        TestForm form(frmMainDesign());
        for (const char* name : {"LabDay", "LabHeure"}) {
            auto* label = form.window().findChild<QLabel*>(name);
            QVERIFY2(label, name);
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
            QVERIFY(!label->autoFillBackground());
            QVERIFY(!label->wordWrap());
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0xE0, 0xE0, 0xE0));
        }
        auto* day = form.window().findChild<QLabel*>("LabDay");
        auto* heure = form.window().findChild<QLabel*>("LabHeure");
        QCOMPARE(day->text(), QString("Label1"));
        QCOMPARE(heure->text(), QString("--:--"));
        QCOMPARE(day->geometry(), QRect(8, 16, 209, 17));
        QCOMPARE(heure->geometry(), QRect(7, 24, 1025, 489));
        QCOMPARE(heure->font().pointSizeF(), 48.0);

        form.view->label("LabHeure").setCaption("12:34");
        QCOMPARE(heure->text(), QString("12:34"));
        form.view->label("LabHeure").setFontSize(0);  // from a hand-edited file
        QCOMPARE(heure->font().pointSizeF(), kSmallestFontPoints);
    }

    void timeFaceFallsBackToTheLcdFace() {
        if (QFontDatabase::hasFamily("Naviset")) QSKIP("Naviset is installed here");
        if (!QFontDatabase::hasFamily("DSEG7 Classic")) QSKIP("fonts-dseg is not installed");
        TestForm form(frmMainDesign());
        auto* heure = form.window().findChild<QLabel*>("LabHeure");
        QCOMPARE(QFontInfo(heure->font()).family(), QString("DSEG7 Classic"));

        // The stand-in's digits fit the windows the layout gives at 48
        // points: 2312 twips without seconds, 3368 with, past the label's
        // left edge.
        const QFontMetrics metrics(heure->font());
        QVERIFY(metrics.horizontalAdvance("00:00") <= 154 - heure->x());
        QVERIFY(metrics.horizontalAdvance("00:00:00") <= 225 - heure->x());
    }

    void timerTicksJustAfterEachSecond() {
        using namespace std::chrono;
        auto phase = [] {
            return duration_cast<milliseconds>(system_clock::now().time_since_epoch()) % 1000;
        };
        // Started mid-second, so a timer that merely repeated every 1000 ms
        // from its start would tick mid-second too.
        QTRY_VERIFY_WITH_TIMEOUT(phase() >= 450ms && phase() < 550ms, 2000);
        TestForm form(frmMainDesign());
        std::vector<milliseconds> phases;
        std::size_t seen = 0;
        for (int i = 0; i < 2; ++i) {
            QTRY_VERIFY_WITH_TIMEOUT(form.events.ticks.size() > seen, 2500);
            seen = form.events.ticks.size();
            phases.push_back(phase());
        }
        QCOMPARE(form.events.ticks.front(), std::string("Timer1"));
        for (auto ms : phases) QVERIFY2(ms < 300ms, qPrintable(QString::number(ms.count())));
    }

    void closeRequestIsRefused() {
        TestForm form(frmMainDesign());
        form.window().show();
        QVERIFY(!form.window().close());
        QVERIFY(form.window().isVisible());
        QCOMPARE(form.events.closes, 0);
    }

    void unloadFromInsideItsOwnClick() {
        TestForm form(frmMainDesign());
        QPointer<FormWindow> w = &form.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        form.events.onClickDo = [&] { form.view.reset(); };
        sendMouse(*w, QEvent::MouseButtonPress, Qt::LeftButton, {300, 200},
                  w->pos() + QPoint(300, 200));
        sendMouse(*w, QEvent::MouseButtonRelease, Qt::LeftButton, {300, 200},
                  w->pos() + QPoint(300, 200));
        QCOMPARE(form.events.clicks.size(), std::size_t(1));
        QVERIFY(w);  // still there until the event loop frees it
        QVERIFY(!w->isVisible());
        flushDeferredDeletes();
        QVERIFY(!w);
    }
};

QTEST_MAIN(ClockWindowTest)
#include "tst_clockwindow.moc"
