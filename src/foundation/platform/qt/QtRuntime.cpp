#include "platform/qt/QtRuntime.h"

#include <QApplication>
#include <QFile>
#include <QStyleHints>
#include <QWidget>
#include <cstdio>
#include <filesystem>

#include "platform/qt/FormWindow.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtScreens.h"
#include "platform/qt/QtStartAtLogin.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/X11FullScreen.h"

namespace talvorin {

std::unique_ptr<FormView> QtRuntime::createForm(const FormDesign& design, FormEvents& events) {
    return std::make_unique<QtForm>(design, events, clockChanges_);
}

int QtRuntime::msgBox(const std::string& prompt, int style, const std::string& title) {
    return showMessageBox(prompt, style, title);
}

std::string QtRuntime::directory() const {
    // The file system's own bytes, whatever the path's characters: Qt's
    // path is text, and a folder name that is not UTF-8 ("caf\xe9") would
    // come back from it as another folder.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return program.parent_path().string();
    std::fprintf(stderr, "talvorin: program folder read through Qt: /proc/self/exe: %s\n",
                 error.message().c_str());
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

Version QtRuntime::version() const {
    return {TALVORIN_VERSION_MAJOR, TALVORIN_VERSION_MINOR, TALVORIN_VERSION_REVISION};
}

void QtRuntime::doEvents() {
    QCoreApplication::processEvents();
}

void QtRuntime::end() {
    // Hidden, not closed: closing would report back to forms that are going away.
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    QCoreApplication::quit();
}

}  // namespace talvorin

namespace talvorin {

void QtRuntime::reportError(const std::string& line) {
    std::fprintf(stderr, "talvorin: %s\n", line.c_str());
}

bool QtRuntime::claimInstance(const std::string& key, InstanceRequests requests) {
    const auto trace = [this](const std::string& line) { reportError(line); };
    if (!instance_.claim(key, std::move(requests.show), trace)) return false;
    // The lock now, the listening after the clock's first frame.
    afterFirstPaint([this, trace] { instance_.listen(trace); });
    return true;
}

bool QtRuntime::watchFolder(const std::string& folder, std::function<void()> changed) {
    return folderWatch_.watch(folder, std::move(changed),
                              [this](const std::string& line) { reportError(line); });
}

PixelPoint QtRuntime::dragThreshold() const {
    const int distance = QGuiApplication::styleHints()->startDragDistance();
    return {distance, distance};
}

}  // namespace talvorin

namespace talvorin {

std::vector<PixelRect> QtRuntime::workAreas() const {
    return screenWorkAreas();
}

double QtRuntime::positionDpi() const {
    return primaryScreenDpi();
}

bool QtRuntime::fullScreenInFront(Hwnd window) const {
    const FormWindow* form = FormWindow::fromHandle(window);
    return form && x11FullScreenActiveOver(*form);
}

std::unique_ptr<TrayIcon> QtRuntime::createTrayIcon(const TrayDesign& design, TrayEvents& events) {
    return createQtTrayIcon(design, events);
}

bool QtRuntime::startsAtLogin() const {
    return qtStartsAtLogin();
}

void QtRuntime::setStartAtLogin(bool on) {
    qtSetStartAtLogin(on);
}

}  // namespace talvorin
