#include "program/Program.h"

#include "clock/frmMain.h"
#include "dialog/frmParam.h"

namespace talvorin {

Program::Program(Runtime& runtime) : runtime_(runtime) {}

Program::~Program() = default;

void Program::start() {
    mainForm().show();
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
