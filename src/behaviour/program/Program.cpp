#include "program/Program.h"

#include "clock/frmMain.h"
#include "dialog/frmParam.h"
#include "program/TrayMenu.h"

namespace talvorin {

Program::Program(Runtime& runtime) : runtime_(runtime) {}

Program::~Program() = default;

void Program::start() {
    mainForm().show();
    auto tray = std::make_unique<TrayMenu>(runtime_, mainForm(), [this] { paramForm().show(); });
    tray->create();
    if (!tray->shown()) return;
    tray_ = std::move(tray);
    mainForm().setTickListener([this](const LocalTime& now) { tray_->clockTicked(now); });
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
