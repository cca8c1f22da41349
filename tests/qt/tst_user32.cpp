// The four user32 entry points over Qt windows: the extended style kept per
// window, opacity and colour key as the window shows them, and the topmost
// band toggled on a shown window without moving, resizing or re-creating it
// (what the window manager makes of it is checked on a real display).
#include <QTest>
#include <QWindow>

#include "QtTestSupport.h"
#include "clock/frmMainDesign.h"
#include "platform/qt/QtUser32.h"

using namespace talvorin;
using namespace talvorin::test;

namespace {

constexpr uint32_t kBlue = 0x7F4000;  // the default background, RGB(0, 64, 127)

// A corner of the clock that no label covers.
QRgb backgroundPixel(FormWindow& w) {
    return w.grab().toImage().pixel(2, 2);
}

}  // namespace

class User32Test : public QObject {
    Q_OBJECT

  private slots:
    void extendedStyleIsKeptPerWindow() {
        TestForm a(frmMainDesign()), b(frmMainDesign());
        QtUser32 user32;
        const Hwnd ha = a.view->hWnd(), hb = b.view->hWnd();
        QVERIFY(ha != hb);
        QCOMPARE(user32.GetWindowLongA(ha, kGwlExStyle), 0);
        QCOMPARE(user32.SetWindowLongA(ha, kGwlExStyle, kWsExLayered | 0x8), 0);
        QCOMPARE(user32.SetWindowLongA(ha, kGwlExStyle, kWsExLayered), kWsExLayered | 0x8);
        QCOMPARE(user32.GetWindowLongA(ha, kGwlExStyle), kWsExLayered);
        QCOMPARE(user32.GetWindowLongA(hb, kGwlExStyle), 0);
        QCOMPARE(user32.GetWindowLongA(ha, -16), 0);  // only the extended style is kept
    }

    void handlesThatNameNoWindow() {
        QtUser32 user32;
        Hwnd gone = 0;
        {
            TestForm form(frmMainDesign());
            gone = form.view->hWnd();
        }
        flushDeferredDeletes();
        for (Hwnd h : {Hwnd(0), Hwnd(12345), gone}) {
            QCOMPARE(user32.GetWindowLongA(h, kGwlExStyle), 0);
            QCOMPARE(user32.SetWindowLongA(h, kGwlExStyle, kWsExLayered), 0);
            QCOMPARE(user32.SetLayeredWindowAttributes(h, 0, 127, kLwaAlpha), 0);
            QCOMPARE(user32.SetWindowPos(h, kHwndTopmost, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize), 0);
        }
    }

    void attributesNeedALayeredWindow() {
        TestForm form(frmMainDesign());
        QtUser32 user32;
        const Hwnd h = form.view->hWnd();
        QCOMPARE(user32.SetLayeredWindowAttributes(h, 0, 10, kLwaAlpha), 0);
        QCOMPARE(form.window().windowOpacity(), 1.0);
    }

    void alphaBecomesTheWindowOpacity_data() {
        QTest::addColumn<int>("alpha");
        QTest::newRow("transparent") << 0;
        QTest::newRow("default") << 127;
        QTest::newRow("opaque") << 255;
    }

    void alphaBecomesTheWindowOpacity() {
        QFETCH(int, alpha);
        TestForm form(frmMainDesign());
        QtUser32 user32;
        const Hwnd h = form.view->hWnd();
        user32.SetWindowLongA(h, kGwlExStyle, kWsExLayered);
        QCOMPARE(user32.SetLayeredWindowAttributes(h, 0, uint8_t(alpha), kLwaAlpha), 1);
        QCOMPARE(form.window().windowOpacity(), alpha / 255.0);
        QCOMPARE(form.window().windowHandle()->opacity(), alpha / 255.0);
    }

    void colourKeyClearsTheBackgroundAndKeepsTheTexts() {
        TestForm form(frmMainDesign());
        QtUser32 user32;
        FormView& view = *form.view;
        view.setBackColor(kBlue);
        view.label("LabHeure").setCaption("88:88");
        const Hwnd h = view.hWnd();
        user32.SetWindowLongA(h, kGwlExStyle, user32.GetWindowLongA(h, kGwlExStyle) | kWsExLayered);
        QCOMPARE(qAlpha(backgroundPixel(form.window())), 255);

        // The start-up sequence: key on the background, then (for a valid
        // opacity) the alpha, which replaces the key.
        QCOMPARE(user32.SetLayeredWindowAttributes(h, view.backColor(), 0, kLwaColorKey), 1);
        const QImage keyed = form.window().grab().toImage();
        QCOMPARE(qAlpha(keyed.pixel(2, 2)), 0);
        int textPixels = 0;
        for (int y = 0; y < keyed.height(); ++y)
            for (int x = 0; x < keyed.width(); ++x)
                if (qAlpha(keyed.pixel(x, y)) == 255 && qRed(keyed.pixel(x, y)) > 0xC0)
                    ++textPixels;
        QVERIFY2(textPixels > 100, "the light grey texts are drawn under the key");
        QCOMPARE(form.window().windowOpacity(), 1.0);

        QCOMPARE(user32.SetLayeredWindowAttributes(h, 0, 127, kLwaAlpha), 1);
        QCOMPARE(backgroundPixel(form.window()), qRgb(0, 64, 127));

        // A key that is not the background leaves the background drawn.
        QCOMPARE(user32.SetLayeredWindowAttributes(h, 0x00FF00, 0, kLwaColorKey), 1);
        QCOMPARE(backgroundPixel(form.window()), qRgb(0, 64, 127));
        QCOMPARE(form.window().windowOpacity(), 1.0);
    }

    void droppingTheLayeredStyleDropsItsAttributes() {
        TestForm form(frmMainDesign());
        QtUser32 user32;
        const Hwnd h = form.view->hWnd();
        form.view->setBackColor(kBlue);
        user32.SetWindowLongA(h, kGwlExStyle, kWsExLayered);
        user32.SetLayeredWindowAttributes(h, kBlue, 40, kLwaAlpha | kLwaColorKey);
        QCOMPARE(form.window().windowOpacity(), 40 / 255.0);
        QCOMPARE(qAlpha(backgroundPixel(form.window())), 0);
        user32.SetWindowLongA(h, kGwlExStyle, 0);
        QCOMPARE(form.window().windowOpacity(), 1.0);
        QCOMPARE(qAlpha(backgroundPixel(form.window())), 255);
    }

    void topmostWithoutMovingOrReshowing() {
        TestForm form(frmMainDesign());
        QtUser32 user32;
        FormWindow& w = form.window();
        form.view->setTop(1500);
        form.view->setLeft(3000);
        form.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const Hwnd h = form.view->hWnd();
        const QRect before = w.frameGeometry();
        QWindow* native = w.windowHandle();

        struct Step {
            Hwnd insertAfter;
            uint32_t flags;
            bool topmost;
        };
        const Step steps[] = {
            {kHwndTopmost, kSwpNoMove | kSwpNoSize, true},
            {kHwndTopmost, kSwpNoMove | kSwpNoSize, true},  // again: stays
            {kHwndNoTopmost, kSwpNoMove | kSwpNoSize, false},
            {kHwndTopmost, kSwpNoMove | kSwpNoSize | kSwpNoZOrder, false},
        };
        for (const Step& s : steps) {
            QCOMPARE(user32.SetWindowPos(h, s.insertAfter, 0, 0, 0, 0, s.flags), 1);
            QCoreApplication::processEvents();
            QCOMPARE(w.staysOnTop(), s.topmost);
            QVERIFY(w.isVisible());
            QCOMPARE(w.windowHandle(), native);  // not re-created
            QCOMPARE(form.view->hWnd(), h);
            QCOMPARE(w.frameGeometry(), before);
        }
    }

    void topmostBeforeTheFirstShow() {
        TestForm form(frmMainDesign());
        QtUser32 user32;
        const Hwnd h = form.view->hWnd();
        user32.SetWindowPos(h, kHwndTopmost, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
        QVERIFY(!form.window().isVisible());
        form.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(&form.window()));
        QVERIFY(form.window().staysOnTop());
    }
};

QTEST_MAIN(User32Test)
#include "tst_user32.moc"
