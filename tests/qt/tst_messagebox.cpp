// Message boxes: the French buttons in order, the icon, the default button,
// and the answer code for each way of answering.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "platform/Runtime.h"
#include "platform/qt/MessageBox.h"

using namespace talvorin;

namespace {

struct Seen {
    QStringList buttons;  // left to right
    QString focused;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    bool staysOnTop = false;
};

QStringList buttonsLeftToRight(QMessageBox& box) {
    QList<QAbstractButton*> buttons = box.buttons();
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) {
        return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
    });
    QStringList texts;
    for (auto* b : buttons) texts << b->text();
    return texts;
}

// Answers the box once it is up, from inside its modal loop.
int answer(int style, const std::function<void(QMessageBox&)>& act, Seen& seen,
           const std::string& prompt = "Question ?", const std::string& title = "Talvorin") {
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // Up and holding the focus: the keys below go to the focused button.
        if (!box || !box->isVisible() || !QApplication::focusWidget()) return;
        poll.stop();
        seen.buttons = buttonsLeftToRight(*box);
        seen.focused = QApplication::focusWidget()
                           ? QApplication::focusWidget()->property("text").toString()
                           : QString();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.format = box->textFormat();
        seen.staysOnTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        act(*box);
    });
    poll.start();
    return showMessageBox(prompt, style, title);
}

std::function<void(QMessageBox&)> pressKeys(QList<Qt::Key> keys) {
    return [keys](QMessageBox&) {
        for (Qt::Key k : keys) QTest::keyClick(QApplication::focusWidget(), k);
    };
}

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void answers_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<std::function<void(QMessageBox&)>>("act");
        QTest::addColumn<int>("expected");

        // The buttons' own clicks are in the runtime conformance checks.
        QTest::newRow("Escape cancels") << vbYesNoCancel << pressKeys({Qt::Key_Escape}) << vbCancel;
        QTest::newRow("Enter takes the default")
            << vbYesNoCancel << pressKeys({Qt::Key_Return}) << vbYes;
        QTest::newRow("Tab then Space is Non")
            << vbYesNoCancel << pressKeys({Qt::Key_Tab, Qt::Key_Space}) << vbNo;
        QTest::newRow("Escape on an OK box")
            << vbInformation << pressKeys({Qt::Key_Escape}) << vbOK;
    }

    void answers() {
        QFETCH(int, style);
        QFETCH(std::function<void(QMessageBox&)>, act);
        QFETCH(int, expected);
        Seen seen;
        QCOMPARE(answer(style, act, seen), expected);
    }

    void looks_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("onTop");
        QTest::newRow("quit prompt") << vbYesNoCancel << QStringList{"Oui", "Non", "Annuler"}
                                     << int(QMessageBox::NoIcon) << false;
        QTest::newRow("warning") << vbExclamation << QStringList{"OK"} << int(QMessageBox::Warning)
                                 << false;
        QTest::newRow("information")
            << vbInformation << QStringList{"OK"} << int(QMessageBox::Information) << false;
        QTest::newRow("quit prompt over a topmost clock")
            << (vbYesNoCancel | vbSystemModal) << QStringList{"Oui", "Non", "Annuler"}
            << int(QMessageBox::NoIcon) << true;
        QTest::newRow("warning over a topmost clock")
            << (vbExclamation | vbSystemModal) << QStringList{"OK"} << int(QMessageBox::Warning)
            << true;
    }

    void looks() {
        QFETCH(int, style);
        QFETCH(QStringList, buttons);
        QFETCH(int, icon);
        QFETCH(bool, onTop);
        Seen seen;
        answer(style, pressKeys({Qt::Key_Escape}), seen);
        QCOMPARE(seen.buttons, buttons);
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(seen.focused, buttons.first());  // the first button is the default
        QCOMPARE(seen.staysOnTop, onTop);
    }

    void promptAndTitleAsGiven() {
        Seen seen;
        answer(vbYesNoCancel, pressKeys({Qt::Key_Escape}), seen,
               "Les options sont modifiables dans \r\n/opt/talvorin\\tl_options.txt\r\n\r\n"
               "Voulez-vous quitter <b>Talvorin</b> ?",
               "Quitter Talvorin");
        QCOMPARE(seen.title, QString("Quitter Talvorin"));
        // Windows line ends become line breaks; markup stays text.
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.text,
                 QString("Les options sont modifiables dans \n/opt/talvorin\\tl_options.txt"
                         "\n\nVoulez-vous quitter <b>Talvorin</b> ?"));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "tst_messagebox.moc"
