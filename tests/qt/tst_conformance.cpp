// The checks every runtime passes, here on the Qt runtime, offscreen.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "RuntimeConformance.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtRuntime.h"

using namespace talvorin;

namespace {

struct QtHarness final : conformance::ConformanceHarness {
    QtRuntime rt;
    QStringList failures;
    int checks = 0;

    Runtime& runtime() override { return rt; }
    void pump(std::chrono::milliseconds duration) override {
        QTest::qWait(static_cast<int>(duration.count()));
    }
    // Presses the button from inside the box's own modal loop, once it is up.
    void answerNextMessageBox(const std::string& label) override {
        auto* poll = new QTimer;
        poll->setInterval(10);
        QObject::connect(
            poll, &QTimer::timeout, poll, [this, poll, text = QString::fromStdString(label)] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box || !box->isVisible()) return;
                poll->stop();
                poll->deleteLater();
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == text) return b->click();
                failures << "the box has no button " + text;
                box->close();
            });
        poll->start();
    }
    void check(bool ok, const std::string& what) override {
        ++checks;
        if (!ok) failures << QString::fromStdString(what);
    }
    void note(const std::string& text) override { qInfo("%s", text.c_str()); }
};

}  // namespace

class ConformanceTest : public QObject {
    Q_OBJECT

  private slots:
    void qtRuntime() {
        QtHarness h;
        conformance::runRuntimeConformance(h);
        QVERIFY2(h.failures.isEmpty(), qPrintable(h.failures.join('\n')));
        QVERIFY(h.checks >= 40);
    }
};

QTEST_MAIN(ConformanceTest)
#include "tst_conformance.moc"
