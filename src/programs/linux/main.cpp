// The Linux program: the clock on X11 through Qt 6.
#include <QApplication>
#include <QDirIterator>
#include <QIcon>

#include "platform/qt/QtRuntime.h"
#include "program/Program.h"

int main(int argc, char* argv[]) {
    // The clock restores its own position, which Wayland does not let a
    // client do: it runs on X11, through XWayland on a Wayland desktop.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    // The clock is hidden while its prompt is open; only the prompt's "Oui" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QIcon drawn;
    for (QDirIterator it(":/icons", QDirIterator::Subdirectories); it.hasNext();) {
        const QString file = it.next();
        if (file.endsWith(".png")) drawn.addFile(file);
    }
    QApplication::setWindowIcon(QIcon::fromTheme("talvorin", drawn));

    int status = 0;
    {
        talvorin::QtRuntime runtime;
        talvorin::Program program(runtime);
        program.start();
        status = QApplication::exec();
    }
    // The forms' widgets are freed late; free them while Qt is still there.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
