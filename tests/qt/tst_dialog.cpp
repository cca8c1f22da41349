// The settings dialog built from its real design: its 27 controls with their
// texts and places, the keyboard's path through them, and its frame.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "QtTestSupport.h"
#include "dialog/frmParamDesign.h"

using namespace talvorin;
using namespace talvorin::test;

namespace {

int px(int32_t twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}  // 96 dpi

QString kindOf(const QWidget* w) {
    if (qobject_cast<const QLabel*>(w)) return "label";
    if (qobject_cast<const QLineEdit*>(w)) return "text box";
    if (qobject_cast<const QCheckBox*>(w)) return "check box";
    if (qobject_cast<const QPushButton*>(w)) return "button";
    return "other";
}

QString kindOf(ControlKind k) {
    switch (k) {
        case ControlKind::Label:
            return "label";
        case ControlKind::TextBox:
            return "text box";
        case ControlKind::CheckBox:
            return "check box";
        case ControlKind::Button:
            return "button";
        case ControlKind::Timer:
            break;
    }
    return "timer";
}

QString textOf(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    return {};
}

}  // namespace

class DialogTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlAsDesigned() {
        TestForm form(frmParamDesign());
        FormWindow& w = form.window();
        QCOMPARE(form.window().design().controls.size(), std::size_t(27));
        for (const ControlDesign& c : frmParamDesign().controls) {
            auto* widget = w.findChild<QWidget*>(QString::fromStdString(c.name));
            QVERIFY2(widget, c.name.c_str());
            QCOMPARE(kindOf(widget), kindOf(c.kind));
            QCOMPARE(textOf(widget), QString::fromStdString(c.caption));
            QCOMPARE(widget->geometry(), QRect(px(c.left), px(c.top), px(c.width), px(c.height)));
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                const Qt::Alignment side =
                    c.align == TextAlign::Right ? Qt::AlignRight : Qt::AlignLeft;
                QCOMPARE(label->alignment(), side | Qt::AlignTop);
            }
        }
    }

    void textsAndPlacesAsTheUserReadsThem() {
        TestForm form(frmParamDesign());
        FormWindow& w = form.window();
        QCOMPARE(w.windowTitle(), QString("Talvorin - Paramètres"));
        QCOMPARE(w.size(), QSize(334, 377));  // 5010 x 5655 twips
        struct Row {
            const char* name;
            const char* text;
            QRect pixels;
        };
        const Row rows[] = {
            {"Label9", "Afficher les secondes", QRect(0, 8, 113, 25)},
            {"txtTransp", "", QRect(112, 36, 81, 25)},
            {"Label5", "Position de la fenetre : haut", QRect(16, 224, 137, 25)},
            {"Label7", "Toujours visble", QRect(8, 304, 81, 25)},
            {"chkVis", "(au dessus de toutes les fenêtres)", QRect(96, 296, 185, 33)},
            {"cmdDefaut", "Par défaut", QRect(16, 336, 105, 25)},
            {"cmdOk", "Valider !", QRect(200, 336, 105, 25)},
        };
        for (const Row& r : rows) {
            auto* widget = w.findChild<QWidget*>(r.name);
            QVERIFY2(widget, r.name);
            QCOMPARE(textOf(widget), QString(r.text));
            QCOMPARE(widget->geometry(), r.pixels);
        }
    }

    void tabOrderAndFirstFocus() {
        TestForm form(frmParamDesign());
        FormWindow& w = form.window();
        form.view->show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QStringList expected = {"txtB",        "txtG",      "txtR",   "txtTransp",
                                      "txtTop",      "txtLeft",   "chkVis", "txtTaille",
                                      "chkSecondes", "cmdDefaut", "cmdOk",  "txtB"};
        QStringList seen = {QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, expected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmdOk"));
    }

    void noDefaultButton() {
        TestForm form(frmParamDesign());
        FormWindow& w = form.window();
        for (auto* button : w.findChildren<QPushButton*>()) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
        form.view->show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(form.events.clicks.empty());
        QVERIFY(w.isVisible());
        QCOMPARE(form.events.closes, 0);
    }

    void buttonsReportTheirClicks() {
        TestForm form(frmParamDesign());
        form.view->show();
        QTest::mouseClick(form.window().findChild<QPushButton*>("cmdDefaut"), Qt::LeftButton);
        auto* ok = form.window().findChild<QPushButton*>("cmdOk");
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Space);
        QCOMPARE(form.events.clicks, (std::vector<std::string>{"cmdDefaut", "cmdOk"}));
        // Enter presses the focused button, as in a Windows dialog.
        QTest::keyClick(ok, Qt::Key_Return);
        QTest::keyClick(ok, Qt::Key_Enter);
        QTRY_COMPARE(form.events.clicks,
                     (std::vector<std::string>{"cmdDefaut", "cmdOk", "cmdOk", "cmdOk"}));
    }

    void fieldsCarryTheCoreValues() {
        TestForm form(frmParamDesign());
        TextBox& top = form.view->textBox("txtTop");
        top.setText("-300");
        QCOMPARE(form.window().findChild<QLineEdit*>("txtTop")->text(), QString("-300"));
        form.window().findChild<QLineEdit*>("txtTaille")->setText("été 48");
        QCOMPARE(form.view->textBox("txtTaille").text(), std::string("été 48"));

        CheckBox& vis = form.view->checkBox("chkVis");
        vis.setValue(1);
        QVERIFY(form.window().findChild<QCheckBox*>("chkVis")->isChecked());
        form.window().findChild<QCheckBox*>("chkVis")->setChecked(false);
        QCOMPARE(vis.value(), 0);
    }

    void anOrdinaryFramedWindow() {
        TestForm form(frmParamDesign());
        const Qt::WindowFlags flags = form.window().windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);  // not a tool: a task-bar entry
        QVERIFY(!flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(!form.window().testAttribute(Qt::WA_TranslucentBackground));
    }

    void closingThroughTheFrameReleasesTheView() {
        TestForm form(frmParamDesign());
        QPointer<FormWindow> w = &form.window();
        form.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // The core lets go of the view from inside the notification.
        form.events.onClosedDo = [&] { form.view.reset(); };
        QVERIFY(w->close());
        QCOMPARE(form.events.closes, 1);
        QVERIFY(!form.view);
        flushDeferredDeletes();
        QVERIFY(!w);
    }
};

QTEST_MAIN(DialogTest)
#include "tst_dialog.moc"
