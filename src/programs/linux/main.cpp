// The Linux program: the clock on X11 through Qt 6.
#include <QApplication>
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

// The user's icon theme first (the package installs it there; a theme may
// draw its own), else the set built in. Only the sizes title bars, task bars
// and switchers ask for: every size a window icon has stays decoded.
void setProgramIcon() {
    const QIcon themed = QIcon::fromTheme("talvorin");
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        if (themed.isNull())
            icon.addFile(QStringLiteral(":/icons/%1x%1/apps/talvorin.png").arg(size), {size, size});
        else
            icon.addPixmap(themed.pixmap(size));
    }
    QApplication::setWindowIcon(icon);
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

    int status = 0;
    {
        talvorin::QtRuntime runtime;
        // Looked up in the icon theme, which takes longer than the clock's
        // first frame; the tray icon that follows takes this one.
        runtime.afterFirstPaint(setProgramIcon);
        talvorin::Program program(runtime);
        // A clock already runs on this options file: it shows itself instead.
        if (program.start()) status = QApplication::exec();
    }
    // The forms' widgets are freed late; free them while Qt is still there.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
