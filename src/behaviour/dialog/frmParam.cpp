#include "dialog/frmParam.h"

#include "base/Integers.h"
#include "clock/AlwaysOnTheTop.h"
#include "clock/BoxesOverClock.h"
#include "dialog/Conversion.h"
#include "dialog/SaveFailure.h"
#include "dialog/frmParamDesign.h"

namespace talvorin {

namespace {

constexpr const char* kInvalidValues = "Des valeurs sont non conformes";
constexpr const char* kTitle = "Talvorin";

int checkValue(const std::string& flag) {
    return isNotOff(flag) ? 1 : 0;
}

std::string flagText(int checkBoxValue) {
    return checkBoxValue != 0 ? "1" : "0";
}

// The values were good; the options file could not take them.
struct SaveFailed {
    ErrorCode code;
};

}  // namespace

frmParam::frmParam(Runtime& runtime, ClockControl& clock)
    : FormHost(runtime, frmParamDesign()), clock_(clock) {}

void frmParam::setNumber(std::string_view box, int64_t value) {
    view().textBox(box).setText(toText(value));
}

void frmParam::fillFields(const ClockSettings& s) {
    setNumber("txtTransp", s.Trans);
    setNumber("txtR", s.CoulR);
    setNumber("txtG", s.CoulG);
    setNumber("txtB", s.CoulB);
    setNumber("txtTaille", s.hText);
    setNumber("txtTop", s.posT);
    setNumber("txtLeft", s.posL);
    view().checkBox("chkVis").setValue(checkValue(s.onTheTop));
    view().checkBox("chkSecondes").setValue(checkValue(s.Secondes));
}

bool frmParam::clockOnTop() const {
    return isOn(clock_.clockSettings().onTheTop);
}

void frmParam::Form_Load() {
    fillFields(clock_.clockSettings());
    // In the clock's band: a topmost clock would cover a dialog of the
    // ordinary band. Shown after the clock, the dialog lies above it.
    setOnTop(runtime().user32(), view(), clockOnTop() ? -1 : 0);
}

// Only the fields change: the user applies the defaults with "Valider !".
void frmParam::cmdDefaut_Click() {
    fillFields(defaultSettings());
}

void frmParam::cmdOk_Click() {
    // The clock's band as it is before the apply, which may change it.
    BoxesOverClock boxes(runtime(), clockOnTop());
    try {
        applyFields(boxes);
    } catch (const SaveFailed& failure) {
        boxes.msgBox(saveFailureText(clock_.optionsFilePath(), failure.code), vbExclamation,
                     kTitle);
        if (clock_.running()) clock_.resume();
    } catch (...) {
        boxes.msgBox(kInvalidValues, vbExclamation, kTitle);
        // A failed apply must not leave the clock frozen on a stale time.
        if (clock_.running()) clock_.resume();
    }
}

void frmParam::applyFields(MessageBoxes& boxes) {
    clock_.pause();
    ClockSettings& s = clock_.clockSettings();
    // Each field is converted and stored before the next is read, so the
    // conversion messages come in field order. The boxes keep what was typed.
    auto byteField = [&](std::string_view box, int16_t minimum) {
        std::string text = view().textBox(box).text();
        return convByte(boxes, text, minimum);
    };
    auto longField = [&](std::string_view box) {
        return convLong(boxes, view().textBox(box).text());
    };
    s.Trans = byteField("txtTransp", 0);
    s.CoulR = byteField("txtR", 0);
    s.CoulG = byteField("txtG", 0);
    s.CoulB = byteField("txtB", 0);
    s.hText = byteField("txtTaille", 20);
    s.posT = longField("txtTop");
    s.posL = longField("txtLeft");
    s.onTheTop = flagText(view().checkBox("chkVis").value());
    s.Secondes = flagText(view().checkBox("chkSecondes").value());

    try {
        clock_.save();
    } catch (const RuntimeError& e) {
        throw SaveFailed{e.code()};
    }
    runtime().doEvents();
    // The pending events may have ended the program or closed this dialog.
    if (!clock_.running()) return;
    clock_.reload();
    clock_.resume();
    if (loaded()) Form_Load();
}

void frmParam::onClick(std::string_view control) noexcept {
    dispatch("click", [&] {
        if (control == "cmdDefaut")
            cmdDefaut_Click();
        else if (control == "cmdOk")
            cmdOk_Click();
    });
}

}  // namespace talvorin
