#include "program/Program.h"

#include "clock/frmMain.h"
#include "dialog/frmParam.h"
#include "program/ErrorBoundary.h"
#include "program/InstanceKey.h"
#include "program/TrayMenu.h"

namespace talvorin {

Program::Program(Runtime& runtime) : runtime_(runtime) {}

Program::~Program() = default;

bool Program::start() {
    bool claimed = true;
    // Two clocks on one file are better than none: a failed claim goes on.
    guardStep(runtime_, "one clock per options file not ensured", [&] {
        claimed = runtime_.claimInstance(instanceKey(mainForm().optionsFile()),
                                         {[this] { showClock(); }, [this] { quit(); }});
    });
    if (!claimed) return false;
    mainForm().show();
    // The icon asks the shell and loads its images, the watch makes a window
    // of its own on Windows: the clock shows first.
    runtime_.afterFirstPaint([this] {
        guardStep(runtime_, "a logout or shutdown may lose the last move", [this] {
            runtime_.watchEndRequests([this] {
                if (main_)
                    main_->endRequested();
                else
                    runtime_.end();
            });
        });
        guardStep(runtime_, "notification-area icon not added", [this] { startTray(); });
    });
    return true;
}

void Program::startTray() {
    // Not for a clock that ended before its first frame was drawn.
    if (!main_ || !main_->loaded()) return;
    auto tray = std::make_unique<TrayMenu>(runtime_, mainForm(), [this] { paramForm().show(); });
    tray->create();
    if (!tray->shown()) return;
    tray_ = std::move(tray);
    mainForm().setTickListener([this](const LocalTime& now) { tray_->clockTicked(now); });
}

void Program::showClock() noexcept {
    // Not before the clock ever showed, nor once the program is ending.
    if (!main_ || !main_->loaded()) return;
    guardStep(runtime_, "clock not shown again", [this] { main_->bringBack(); });
}

void Program::quit() noexcept {
    guardStep(runtime_, "not ended as asked", [this] {
        if (main_) main_->unload();
        runtime_.end();
    });
}

frmMain& Program::mainForm() {
    if (!main_) main_ = std::make_unique<frmMain>(runtime_, [this] { paramForm().show(); });
    return *main_;
}

frmParam& Program::paramForm() {
    if (!param_) param_ = std::make_unique<frmParam>(runtime_, mainForm());
    return *param_;
}

}  // namespace talvorin
