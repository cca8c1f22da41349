#include "program/Program.h"

#include "base/ErrorText.h"
#include "clock/frmMain.h"
#include "dialog/frmParam.h"
#include "program/InstanceKey.h"
#include "program/TrayMenu.h"

namespace talvorin {

Program::Program(Runtime& runtime) : runtime_(runtime) {}

Program::~Program() = default;

bool Program::start() {
    try {
        if (!runtime_.claimInstance(instanceKey(mainForm().optionsFile()), [this] { showClock(); }))
            return false;
    } catch (...) {
        // Two clocks on one file are better than none.
        runtime_.reportError("one clock per options file not ensured: " +
                             describeCurrentException());
    }
    mainForm().show();
    startTray();
    try {
        runtime_.watchEndRequests([this] {
            if (main_)
                main_->endRequested();
            else
                runtime_.end();
        });
    } catch (...) {
        runtime_.reportError("a logout or shutdown may lose the last move: " +
                             describeCurrentException());
    }
    return true;
}

void Program::startTray() {
    auto tray = std::make_unique<TrayMenu>(runtime_, mainForm(), [this] { paramForm().show(); });
    tray->create();
    if (!tray->shown()) return;
    tray_ = std::move(tray);
    mainForm().setTickListener([this](const LocalTime& now) { tray_->clockTicked(now); });
}

void Program::showClock() noexcept {
    // Not before the clock ever showed, nor once the program is ending.
    if (!main_ || !main_->loaded()) return;
    try {
        main_->bringBack();
    } catch (...) {
        runtime_.reportError("clock not shown again: " + describeCurrentException());
    }
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
