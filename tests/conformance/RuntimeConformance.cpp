#include "RuntimeConformance.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

#include "base/Error.h"
#include "base/Twips.h"
#include "base/WindowPosition.h"
#include "clock/frmMainDesign.h"
#include "dialog/frmParamDesign.h"

namespace talvorin::conformance {

namespace {

using namespace std::chrono_literals;

struct Recorder final : FormEvents {
    std::vector<std::string> clicks;
    std::vector<std::string> ticks;
    int pointerEvents = 0;
    int closes = 0;
    void onClick(std::string_view control) noexcept override { clicks.emplace_back(control); }
    void onPointerPress(const PointerEvent&) noexcept override { ++pointerEvents; }
    void onPointerMove(const PointerEvent&) noexcept override { ++pointerEvents; }
    void onPointerRelease(const PointerEvent&) noexcept override { ++pointerEvents; }
    void onPointerCancel() noexcept override { ++pointerEvents; }
    void onTimer(std::string_view timer) noexcept override { ticks.emplace_back(timer); }
    void onClosed() noexcept override { ++closes; }
};

// What a call did, comparable across runtimes: "ok", or the code it raised.
std::string outcome(const std::function<void()>& call) {
    try {
        call();
        return "ok";
    } catch (const RuntimeError& e) {
        return "error " + std::to_string(static_cast<int>(e.code()));
    } catch (const std::exception& e) {
        return std::string("untyped exception: ") + e.what();
    }
}

std::string raises(ErrorCode code) {
    return "error " + std::to_string(static_cast<int>(code));
}

std::string number(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

void expect(ConformanceHarness& h, const std::string& actual, const std::string& expected,
            const std::string& what) {
    const bool ok = actual == expected;
    h.check(ok, what + (ok ? "" : " (got [" + actual + "], expected [" + expected + "])"));
}

struct Kind {
    const char* name;
    void (*lookUp)(FormView&, std::string_view);
};
const Kind kLabel{"label", [](FormView& f, std::string_view n) { f.label(n); }};
const Kind kTextBox{"text box", [](FormView& f, std::string_view n) { f.textBox(n); }};
const Kind kCheckBox{"check box", [](FormView& f, std::string_view n) { f.checkBox(n); }};
const Kind kTimer{"timer", [](FormView& f, std::string_view n) { f.timer(n); }};

// A control is found only by its design name and as the kind it was designed.
void controlNames(ConformanceHarness& h, FormView& clock, FormView& dialog) {
    const std::string ok = "ok", unknown = raises(ErrorCode::InvalidProcedureCall);
    struct Row {
        FormView& form;
        const Kind& kind;
        const char* name;
        const std::string& expected;
    };
    const Row rows[] = {
        {clock, kLabel, "LabHeure", ok},      {clock, kTimer, "Timer1", ok},
        {dialog, kLabel, "Label9", ok},       {dialog, kTextBox, "txtB", ok},
        {dialog, kCheckBox, "chkVis", ok},    {clock, kLabel, "LabNone", unknown},
        {clock, kLabel, "", unknown},         {dialog, kLabel, "txtB", unknown},
        {dialog, kLabel, "cmdOk", unknown},   {dialog, kTextBox, "chkVis", unknown},
        {dialog, kCheckBox, "txtB", unknown}, {clock, kTimer, "LabHeure", unknown},
        {clock, kLabel, "Timer1", unknown},
    };
    for (const Row& r : rows)
        expect(h, outcome([&] { r.kind.lookUp(r.form, r.name); }), r.expected,
               std::string(r.kind.name) + " [" + r.name + "]: " + r.expected);
}

// 0 and 1 only; a refused value leaves the box as it was.
void checkBoxValues(ConformanceHarness& h, FormView& dialog) {
    CheckBox& box = dialog.checkBox("chkVis");
    const std::string refused = raises(ErrorCode::InvalidPropertyValue);
    struct Row {
        int value;
        std::string outcome;
        int after;
    };
    const Row rows[] = {{1, "ok", 1}, {0, "ok", 0},     {2, refused, 0},
                        {1, "ok", 1}, {-1, refused, 1}, {255, refused, 1}};
    for (const Row& r : rows) {
        const std::string result = outcome([&] { box.setValue(r.value); });
        expect(h, result + ", reads " + std::to_string(box.value()),
               r.outcome + ", reads " + std::to_string(r.after),
               "check box set to " + std::to_string(r.value) + ": " + r.outcome);
    }
}

void textBoxTexts(ConformanceHarness& h, FormView& dialog) {
    TextBox& box = dialog.textBox("txtB");
    for (const std::string text : {"Paramètres 12", "", "fenêtres – défaut", "-300"}) {
        box.setText(text);
        expect(h, box.text(), text, "text box round trip of [" + text + "]");
    }
}

// Sizes from a hand-edited options file: drawn at kSmallestFontPoints, no failure.
void labelFontSizes(ConformanceHarness& h, FormView& clock) {
    Label& time = clock.label("LabHeure");
    for (const double points : {0.0, -12.0, 0.5, 20.0})
        expect(h, outcome([&] { time.setFontSize(points); }), "ok",
               "label font size " + number(points) + " is taken");
}

// A window stands on whole pixels. It reads back the twips it was given
// while it stands on their pixel, and the whole twips of its pixel once moved,
// so a saved position matches the window again at any DPI.
void positions(ConformanceHarness& h, FormView& dialog) {
    const double dpi = h.runtime().positionDpi();
    for (const double twips : {1507.0, 3000.0, 500.0, 0.0, 22.0}) {
        dialog.setLeft(twips);
        dialog.setTop(twips + 1500);
        expect(h, number(dialog.left()) + ", " + number(dialog.top()),
               number(twips) + ", " + number(twips + 1500),
               "setLeft(" + number(twips) + "), setTop(" + number(twips + 1500) +
                   ") read back as given");
        expect(h, number(dialog.frame().left), number(pixelsFromTwips(twips, dpi)),
               "setLeft(" + number(twips) + ") stands on its pixel");
    }
    const int32_t pixel = pixelsFromTwips(1507, dpi) + 1;
    dialog.dragTo({pixel, dialog.frame().top});
    expect(h, number(dialog.left()), number(positionTwipsFromPixels(pixel, dpi)),
           "moved a pixel on, left() reads the whole twips of that pixel");
}

// After unload the form answers nothing: every call raises, nothing is shown.
void unloadedForm(ConformanceHarness& h) {
    Recorder events;
    std::unique_ptr<FormView> dialog = h.runtime().createForm(frmParamDesign(), events);
    dialog->unload();
    const std::pair<const char*, std::function<void(FormView&)>> calls[] = {
        {"setCaption", [](FormView& f) { f.setCaption("Talvorin"); }},
        {"backColor", [](FormView& f) { f.backColor(); }},
        {"setBackColor", [](FormView& f) { f.setBackColor(0); }},
        {"hWnd", [](FormView& f) { f.hWnd(); }},
        {"top", [](FormView& f) { f.top(); }},
        {"left", [](FormView& f) { f.left(); }},
        {"setTop", [](FormView& f) { f.setTop(150); }},
        {"setLeft", [](FormView& f) { f.setLeft(150); }},
        {"setWidth", [](FormView& f) { f.setWidth(1500); }},
        {"setHeight", [](FormView& f) { f.setHeight(1500); }},
        {"dragTo",
         [](FormView& f) {
             f.dragTo({10, 10});
         }},
        {"show", [](FormView& f) { f.show(); }},
        {"hide", [](FormView& f) { f.hide(); }},
        {"label", [](FormView& f) { f.label("Label9"); }},
        {"textBox", [](FormView& f) { f.textBox("txtB"); }},
        {"checkBox", [](FormView& f) { f.checkBox("chkVis"); }},
    };
    for (const auto& [name, call] : calls)
        expect(h, outcome([&] { call(*dialog); }), raises(ErrorCode::InvalidProcedureCall),
               std::string(name) + " on an unloaded form");
    h.check(events.closes == 0, "unload reports no close");
}

void timers(ConformanceHarness& h) {
    Recorder events;
    std::unique_ptr<FormView> clock = h.runtime().createForm(frmMainDesign(), events);
    Timer& timer = clock->timer("Timer1");
    h.check(timer.enabled(), "a timer enabled in its design reports enabled");
    h.pump(1300ms);
    h.check(
        !events.ticks.empty() && std::all_of(events.ticks.begin(), events.ticks.end(),
                                             [](const std::string& t) { return t == "Timer1"; }),
        "a running timer ticks, by its design name (" + std::to_string(events.ticks.size()) +
            " in 1.3 s)");

    timer.setEnabled(false);
    h.check(!timer.enabled(), "a disabled timer reports disabled");
    size_t before = events.ticks.size();
    h.pump(1300ms);
    h.check(events.ticks.size() == before, "a disabled timer is silent for 1.3 s");

    timer.setEnabled(true);
    h.pump(1300ms);
    h.check(events.ticks.size() > before, "enabled again, the timer ticks again");

    clock->unload();
    before = events.ticks.size();
    h.pump(1300ms);
    h.check(events.ticks.size() == before, "an unloaded form's timer is silent");
    expect(h, outcome([&] { clock->timer("Timer1"); }), raises(ErrorCode::InvalidProcedureCall),
           "timer on an unloaded form");
}

void messageBoxes(ConformanceHarness& h) {
    struct Row {
        int style;
        const char* button;
        int answer;
    };
    for (const Row r : {Row{vbYesNoCancel, "Oui", vbYes}, Row{vbYesNoCancel, "Non", vbNo},
                        Row{vbYesNoCancel, "Annuler", vbCancel}, Row{vbExclamation, "OK", vbOK}}) {
        h.answerNextMessageBox(r.button);
        int answer = 0;
        const std::string result = outcome([&] {
            answer =
                h.runtime().msgBox(std::string("Appuyez sur ") + r.button, r.style, "Talvorin");
        });
        expect(h, result + " " + std::to_string(answer), "ok " + std::to_string(r.answer),
               "style " + std::to_string(r.style) + ", pressing " + r.button);
    }
}

// Pumps until `told` moves past `before`, for at most 3 s.
bool toldWithin(ConformanceHarness& h, const std::shared_ptr<int>& told, int before) {
    for (int i = 0; i < 30 && *told == before; ++i) {
        h.pump(100ms);
        h.runtime().doEvents();
    }
    return *told != before;
}

// A watched folder tells of a file written in place and of one renamed over
// it (an editor's save); a runtime that cannot watch says so by refusing.
void folderWatch(ConformanceHarness& h) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "talvorin-conformance-watch";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "a.txt") << "1";
    auto told = std::make_shared<int>(0);  // outlives this check: the watch stays
    if (!h.runtime().watchFolder(folder.string(), [told] { ++*told; })) {
        h.note("this runtime watches no folder");
        return fs::remove_all(folder), void();
    }
    h.pump(300ms);
    h.check(*told == 0, "a quiet folder tells of no change");
    std::ofstream(folder / "a.txt", std::ios::app) << "2";
    h.check(toldWithin(h, told, 0), "a file written in place in the watched folder is told");
    const int before = *told;
    std::ofstream(folder / "b.tmp") << "3";
    fs::rename(folder / "b.tmp", folder / "a.txt");
    h.check(toldWithin(h, told, before), "a file renamed over another is told");
    fs::remove_all(folder);
}

// First of all: any window shown before it would count as the first paint.
void firstPaint(ConformanceHarness& h, FormView& clock) {
    auto ran = std::make_shared<int>(0);  // a step that never ran may run later
    h.runtime().afterFirstPaint([ran] { ++*ran; });
    h.pump(200ms);
    h.check(*ran == 0, "a step after the first paint waits while no window shows");
    clock.show();
    h.pump(500ms);
    h.check(*ran == 1, "and runs once when the first window shown has painted");
    clock.hide();
}

}  // namespace

void runRuntimeConformance(ConformanceHarness& h) {
    Runtime& runtime = h.runtime();
    Recorder events;
    std::unique_ptr<FormView> clock = runtime.createForm(frmMainDesign(), events);
    std::unique_ptr<FormView> dialog = runtime.createForm(frmParamDesign(), events);

    firstPaint(h, *clock);
    controlNames(h, *clock, *dialog);
    checkBoxValues(h, *dialog);
    textBoxTexts(h, *dialog);
    labelFontSizes(h, *clock);
    positions(h, *dialog);
    // What the core sets is not the user's doing: a ticked box is no click.
    h.check(events.clicks.empty() && events.pointerEvents == 0 && events.closes == 0,
            "values set by the core report no click, pointer event or close");
    unloadedForm(h);
    timers(h);
    messageBoxes(h);
    folderWatch(h);

    expect(h, outcome([&] { runtime.reportError("conformance: a line the test expects"); }), "ok",
           "reportError");
    h.check(!runtime.fullScreenInFront(clock->hWnd()), "no full-screen window over a new form");
    const int32_t style = runtime.user32().GetWindowLongA(clock->hWnd(), kGwlExStyle);
    runtime.user32().SetWindowLongA(clock->hWnd(), kGwlExStyle, style | kWsExTransparent);
    h.check(runtime.user32().GetWindowLongA(clock->hWnd(), kGwlExStyle) & kWsExTransparent,
            "the click-through style reads back");
    const PixelPoint drag = runtime.dragThreshold();
    h.check(drag.x > 0 && drag.y > 0, "the drag threshold is positive on both axes (" +
                                          std::to_string(drag.x) + ", " + std::to_string(drag.y) +
                                          ")");
}

}  // namespace talvorin::conformance
