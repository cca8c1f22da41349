#include "clock/frmMain.h"

#include <algorithm>

#include "base/Error.h"
#include "base/ErrorText.h"
#include "base/FileReplace.h"
#include "base/Files.h"
#include "base/Integers.h"
#include "base/Paths.h"
#include "base/Rgb.h"
#include "base/Twips.h"
#include "clock/AlwaysOnTheTop.h"
#include "clock/BoxesOverClock.h"
#include "clock/Layout.h"
#include "clock/Reach.h"
#include "clock/TimeText.h"
#include "clock/frmMainDesign.h"
#include "clock/modFunctions.h"
#include "program/ErrorBoundary.h"
#include "program/Transparence.h"
#include "settings/OptionsFile.h"
#include "settings/OptionsPlace.h"

namespace talvorin {

namespace {

constexpr const char* kCrLf = "\r\n";
// About a tenth of full opacity: what lies under the clock can be read.
constexpr int16_t kHoverAlpha = 26;

// Called while handling a failed read: true when it failed only because the
// file does not exist yet, as at a first start, which is no failure to report.
// A dangling link or an unreadable folder still is.
bool noFileYet(const std::string& file) noexcept {
    try {
        throw;
    } catch (const RuntimeError& error) {
        try {
            return error.code() == ErrorCode::FileNotFound &&
                   os::entryKind(file) == os::EntryKind::Missing;
        } catch (...) {
            return false;
        }
    } catch (...) {
        return false;
    }
}

}  // namespace

frmMain::frmMain(Runtime& runtime, std::function<void()> showSettings)
    : FormHost(runtime, frmMainDesign()), showSettings_(std::move(showSettings)), extras_(runtime) {
    // Both files live in the options folder: a change there looks at each.
    addFileCheck([this] { noticeExtrasEdits(); });
    addFileCheck([this] { checkOptionsFile(); });
}

std::string frmMain::optionsFile() const {
    return optionsFile_.empty() ? optionsPath(runtime().directory()) : optionsFile_;
}

Timer& frmMain::Timer1() const {
    return view().timer("Timer1");
}

void frmMain::pause() {
    Timer1().setEnabled(false);
}

void frmMain::resume() {
    Timer1().setEnabled(true);
}

void frmMain::tolerate(const char* what, const std::function<void()>& step) noexcept {
    guardStep(runtime(), frmMainDesign().name + " " + what, step);
}

void frmMain::Form_Load() {
    locateOptionsFile();
    readParametres();
    const Version version = runtime().version();
    view().setCaption("Talvorin V" + toText(version.major) + "." + toText(version.minor) + "." +
                      toText(version.revision));
    view().setBackColor(packRgb(settings.CoulR, settings.CoulG, settings.CoulB));
    applyOpacity();
    extras_.load(optionsFile());
    applyExtras();
}

void frmMain::applyOpacity() {
    User32& user32 = runtime().user32();
    const int32_t style = user32.GetWindowLongA(view().hWnd(), kGwlExStyle);
    user32.SetWindowLongA(view().hWnd(), kGwlExStyle, style | kWsExLayered);
    // The background becomes the colour key; the opacity below replaces it
    // whenever it is a valid one, so the key shows only for an opacity that
    // cannot be applied: then only the texts are seen.
    user32.SetLayeredWindowAttributes(view().hWnd(), view().backColor(), 0, kLwaColorKey);
    setTransparency(user32, view().hWnd(), settings.Trans, runtime());
}

// ---- options file --------------------------------------------------------

void frmMain::locateOptionsFile() {
    const OptionsPlace place = chooseOptionsPlace(placeFactsFor(runtime().directory()));
    optionsFile_ = place.file;
    tolerate("per-user options folder", [&] { prepareOptionsPlace(place); });
    // Left by a clock killed in the middle of a save.
    tolerate("leftover temporary files", [&] { removeLeftoverTemporaries(optionsFile_); });
    watchOptionsFolder();
}

void frmMain::watchOptionsFolder() {
    // A runtime that cannot watch says why; the files are then looked at
    // once a second instead.
    watched_ = false;
    tolerate("watch of the options folder", [&] {
        watched_ = runtime().watchFolder(folderOf(optionsFile_), [this] { folderChanged_ = true; });
    });
}

void frmMain::addFileCheck(std::function<void()> check) {
    fileChecks_.push_back(std::move(check));
}

void frmMain::readParametres() {
    // Without its window the program is ending: falling back here would only
    // overwrite the user's file with the defaults.
    if (!loaded()) return;
    try {
        readOptionsLines();
        applyLayout();
        savesOff_ = false;
    } catch (...) {
        if (!noFileYet(optionsFile()))
            traceCurrentError("options " + optionsFile() + " not loaded, defaults used");
        fallBackToDefaults();
    }
    tolerate("bringing the clock within reach", [&] { keepReachable(); });
    known_ = os::stampOf(optionsFile());
}

void frmMain::readOptionsLines() {
    const auto lines = readOptionLines(optionsFile());
    auto line = [&lines](std::size_t number) -> const std::string& {
        if (number > lines.size()) throw RuntimeError(ErrorCode::InputPastEnd, "line missing");
        return lines[number - 1];
    };
    // Each line takes effect as soon as it is read: a later bad line leaves
    // the window where lines 8 and 9 put it.
    line(1);
    settings.Trans = parseInt16(line(2));
    line(3);
    settings.CoulR = parseInt16(line(4));
    settings.CoulG = parseInt16(line(5));
    settings.CoulB = parseInt16(line(6));
    line(7);
    view().setTop(parseInt32(line(8)));
    view().setLeft(parseInt32(line(9)));
    line(10);
    settings.hText = parseInt16(line(11));
    line(12);
    settings.onTheTop = line(13);
    line(14);
    settings.Secondes = line(15);
}

void frmMain::fallBackToDefaults() noexcept {
    // Keep a hand-edited file that failed to load instead of losing it. A
    // rename keeps even a file this program may not read, on a full disk.
    try {
        const std::string kept = setAsideOptions(optionsFile());
        if (!kept.empty()) runtime().reportError("options " + optionsFile() + " kept as " + kept);
        savesOff_ = false;
    } catch (...) {
        savesOff_ = true;
        traceCurrentError("options " + optionsFile() +
                          " could not be set aside; it is left as it is and not written over");
    }
    const ClockSettings defaults = defaultSettings();
    settings.posT = defaults.posT;
    settings.posL = defaults.posL;
    settings.hText = defaults.hText;
    tolerate("default height",
             [&] { view().setHeight(requireSize(windowHeight(settings.hText))); });
    tolerate("default width",
             [&] { view().setWidth(requireSize(windowWidth(settings.hText, false))); });
    settings = defaults;
    tolerate("save of the defaults", [&] { writeFile(); });
    tolerate("default layout", [&] { applyLayout(); });
}

void frmMain::writeFile() {
    if (savesOff_)
        throw RuntimeError(ErrorCode::PathFileAccess,
                           "the options file that failed to load is kept, not written over");
    writeOptions(optionsFile(), settings);
    known_ = os::stampOf(optionsFile());
}

// ---- layout ----------------------------------------------------------------

void frmMain::applyLayout() {
    FormView& window = view();
    window.setHeight(requireSize(windowHeight(settings.hText)));
    const int16_t marker =
        markerWidth(window.label("LabHeure"), settings.hText, runtime().hourCycle());
    window.setWidth(
        requireSize(checkedAdd16(windowWidth(settings.hText, isOn(settings.Secondes)), marker)));
    window.label("LabHeure").setFontSize(settings.hText);
    setOnTop(runtime().user32(), window, isOn(settings.onTheTop) ? -1 : 0);
}

// ---- within reach ------------------------------------------------------------

void frmMain::keepReachable() {
    FormView& window = view();
    if (const auto place = rescuedTopLeft(window.frame(), runtime().workAreas())) {
        window.dragTo(*place);
        // The record may already hold the new pixel (its position fields
        // are not read from the file), but the file holds the lost place.
        rescuedUnsaved_ = true;
    }
}

void frmMain::bringBack() {
    show();
    keepReachable();
    view().activate();
}

void frmMain::onDisplayChanged() noexcept {
    dispatch("display change", [&] {
        keepReachable();
        // A restarted shell or window manager, or a resume, may have dropped
        // the window from the topmost band without telling it.
        restoreOnTop(runtime().user32(), view(), isOn(settings.onTheTop) ? -1 : 0);
    });
}

// ---- tick ------------------------------------------------------------------

void frmMain::Timer1_Timer() {
    const LocalTime now = runtime().now();
    FormView& window = view();
    window.label("LabHeure")
        .setCaption(clockTimeText(now, isNotOff(settings.Secondes), runtime().hourCycle()));
    window.label("LabDay").setCaption(dayOfWeekName(now.date) + " " + runtime().dateText(now));
    noticeHandEdits(now);
    tolerate("full-screen check", [&] { stepAsideForFullScreen(); });
    if (tickListener_) tickListener_(now);
    saveMovedPosition();
}

void frmMain::saveMovedPosition() {
    FormView& window = view();
    // In pixels: at most DPIs many whole twips fall on one pixel, and only a
    // move the user can see is worth a write (with its fsync).
    const double dpi = runtime().positionDpi();
    const PixelRect frame = window.frame();
    if (!rescuedUnsaved_ && frame.top == pixelsFromTwips(settings.posT, dpi) &&
        frame.left == pixelsFromTwips(settings.posL, dpi))
        return;
    rescuedUnsaved_ = false;
    // Stored before the write, so a failed write is not retried every second.
    settings.posT = roundHalfEven32(window.top());
    settings.posL = roundHalfEven32(window.left());
    writeFile();
}

void frmMain::noticeHandEdits(const LocalTime& now) {
    if (watched_ && !folderChanged_) return;
    const int second = (now.hour * 60 + now.minute) * 60 + now.second;
    if (second == lastLook_) return;
    lastLook_ = second;
    folderChanged_ = false;
    for (const auto& check : fileChecks_) tolerate("look at a changed file", check);
}

void frmMain::checkOptionsFile() {
    const os::FileStamp stamp = os::stampOf(optionsFile());
    if (stamp == known_) return;
    // A removed file is no edit to load: the next move writes it again.
    if (!stamp.present) {
        known_ = stamp;
        return;
    }
    readParametres();
}

// ---- extras ------------------------------------------------------------------

void frmMain::noticeExtrasEdits() {
    if (extras_.reloadIfEdited()) applyExtras();
}

void frmMain::applyExtras() {
    const Extras& on = extras_.values();
    setDragLocked(on.positionVerrouillee);
    if (on.clicsTraversants != passThrough_) {
        User32& user32 = runtime().user32();
        const int32_t style = user32.GetWindowLongA(view().hWnd(), kGwlExStyle);
        user32.SetWindowLongA(
            view().hWnd(), kGwlExStyle,
            on.clicsTraversants ? style | kWsExTransparent : style & ~kWsExTransparent);
        passThrough_ = on.clicsTraversants;
    }
    if (faded_ && !on.survolDiscret) onPointerOver(false);
    // The full-screen rule follows on the next tick: at load the window is
    // not shown yet, and a hide now would be undone by the show.
}

void frmMain::setExtra(ExtraKey key, bool on) {
    // Applied even when the save fails: the tray shows what is in effect.
    try {
        extras_.set(key, on);
    } catch (...) {
        tolerate("extras", [this] { applyExtras(); });
        throw;
    }
    applyExtras();
}

void frmMain::setSeconds(bool on) {
    settings.Secondes = on ? "1" : "0";
    applyLayout();
    writeFile();
}

void frmMain::onPointerOver(bool over) noexcept {
    dispatch("pointer over", [&] {
        const bool fade = over && extras_.values().survolDiscret;
        if (fade == faded_) return;
        faded_ = fade;
        if (fade)
            setTransparency(runtime().user32(), view().hWnd(),
                            std::min<int16_t>(kHoverAlpha, settings.Trans), runtime());
        else
            applyOpacity();
    });
}

void frmMain::stepAsideForFullScreen() {
    const bool fullScreen =
        extras_.values().masquerPleinEcran && runtime().fullScreenInFront(view().hWnd());
    if (fullScreen == fullScreenSeen_) return;
    fullScreenSeen_ = fullScreen;
    if (fullScreen) {
        hide();
        hiddenForFullScreen_ = true;
    } else if (hiddenForFullScreen_) {
        hiddenForFullScreen_ = false;
        show();
    }
}

// ---- end ---------------------------------------------------------------------

void frmMain::endRequested() noexcept {
    // The last move must not wait for a tick that will never come.
    if (loaded()) tolerate("save of the last position before ending", [&] { saveMovedPosition(); });
    ending_ = true;
    runtime().end();
}

void frmMain::onClosed() noexcept {
    // Closed by the window manager or the system (Alt+F4, WM_CLOSE): without
    // its window the clock has nothing left to do, so the program ends.
    if (loaded())
        tolerate("save of the last position before closing", [&] { saveMovedPosition(); });
    FormHost::onClosed();
    ending_ = true;
    runtime().end();
}

// ---- prompt ------------------------------------------------------------------

std::string frmMain::promptText() const {
    return std::string("Les options sont modifiables dans ") + kCrLf + optionsFile() + kCrLf +
           "(cliquer sur Annuler modifier les paramètres)." + kCrLf + kCrLf +
           "Voulez-vous quitter Talvorin maintenant ?";
}

void frmMain::Form_Click() {
    LabHeure_Click();
}

void frmMain::LabDay_Click() {
    LabHeure_Click();
}

void frmMain::LabHeure_Click() {
    hide();
    // The clock hides, but a dialog it opened stays in the clock's band.
    BoxesOverClock boxes(runtime(), isOn(settings.onTheTop));
    const int answer = boxes.msgBox(promptText(), vbYesNoCancel, "Quitter Talvorin");
    // Asked to end while the box was open: the box is gone, and so is the program.
    if (ending_) return;
    show();
    if (answer == vbNo) return;
    if (answer == vbYes) {
        unload();
        runtime().end();
        return;
    }
    showSettings_();
}

// ---- events ------------------------------------------------------------------

void frmMain::onClick(std::string_view control) noexcept {
    dispatch("click", [&] {
        if (control.empty())
            Form_Click();
        else if (control == "LabDay")
            LabDay_Click();
        else if (control == "LabHeure")
            LabHeure_Click();
    });
}

void frmMain::onKey(Key key) noexcept {
    dispatch("key", [&] {
        if (key == Key::Enter || key == Key::Space) LabHeure_Click();
    });
}

void frmMain::onTimer(std::string_view timer) noexcept {
    dispatch("tick", [&] {
        if (timer == "Timer1") Timer1_Timer();
    });
}

}  // namespace talvorin
