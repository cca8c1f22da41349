// The Linux program: the clock on X11 through Qt 6.
#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/qt/QtRuntime.h"
#include "platform/qt/WaylandDisplay.h"
#include "platform/qt/X11Display.h"
#include "program/CommandLine.h"
#include "program/DisplayChoice.h"
#include "program/Program.h"

namespace {

// Linux arguments are the bytes the user typed, UTF-8 in any usual locale.
std::vector<std::string> arguments(int argc, char* argv[]) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

talvorin::DisplayEnvironment displayEnvironment() {
    const char* display = std::getenv("DISPLAY");
    return {qEnvironmentVariable("QT_QPA_PLATFORM").toStdString(), display ? display : "",
            talvorin::x11DisplayOpens(), talvorin::waylandDisplayReachable()};
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before Qt starts: no display needed, no window, no file.
    const talvorin::CommandDecision command = talvorin::decideCommandLine(arguments(argc, argv));
    if (command.action != talvorin::CommandAction::Run) {
        std::fputs(command.out.c_str(), stdout);
        std::fputs(command.err.c_str(), stderr);
        return command.exitCode;
    }

    // Chosen before Qt starts: Qt aborts when it cannot open its display.
    const talvorin::DisplayChoice display = talvorin::chooseDisplay(displayEnvironment());
    std::fputs(display.err.c_str(), stderr);
    if (display.platform.empty()) return 1;
    qputenv("QT_QPA_PLATFORM", display.platform.c_str());
    QApplication app(argc, argv);
    // The program speaks French whatever the locale: an Arabic or Persian one
    // must not mirror its windows nor lay the clock's time out right to left.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
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
        // A clock already runs on this options file: it shows itself instead.
        if (program.start()) status = QApplication::exec();
    }
    // The forms' widgets are freed late; free them while Qt is still there.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
