#include "clock/frmMainDesign.h"

namespace talvorin {

namespace {

FormDesign makeDesign() {
    FormDesign d;
    d.name = "frmMain";
    d.caption = "Talvorin";
    d.clientWidth = 15735;
    d.clientHeight = 7920;
    d.frame = FormFrame::None;
    d.draggableSurface = true;
    // A desktop clock is what the user looks for on the shown desktop.
    d.visibleOnShowDesktop = true;
    d.role = FormRole::Window;
    d.accessibleNameFrom = "LabHeure";
    d.keyboardFocus = true;

    ControlDesign timer;
    timer.name = "Timer1";
    timer.kind = ControlKind::Timer;
    timer.intervalMs = 1000;
    timer.enabled = true;

    ControlDesign day;
    day.name = "LabDay";
    day.kind = ControlKind::Label;
    day.caption = "Label1";
    day.left = 120;
    day.top = 240;
    day.width = 3135;
    day.height = 255;
    day.foreColor = kLabelGrey;
    day.transparent = true;

    ControlDesign time;
    time.name = "LabHeure";
    time.kind = ControlKind::Label;
    time.caption = "--:--";
    time.left = 100;
    time.top = 360;
    time.width = 15372;
    time.height = 7332;
    time.foreColor = kLabelGrey;
    time.transparent = true;
    // The window's widths (44 twips a point for "00:00", 66 with seconds)
    // were made for a narrow LCD face, about 0.42 em a character; DSEG7 draws
    // 0.64 em, so it is condensed or the minutes would fall outside.
    time.font = FontDesign{kTimeFace, 48, 400, kTimeFallbackFace, 62};

    d.controls = {timer, day, time};
    return d;
}

}  // namespace

const FormDesign& frmMainDesign() {
    static const FormDesign design = makeDesign();
    return design;
}

}  // namespace talvorin
