// Checks of the Windows runtime's own pieces, in process, under Wine: the
// user32 binding and its failure, text conversion at the edge, locale
// texts, outer sizes, the tick schedule and the French message box; then the
// checks every runtime passes.
#include <cstdio>
#include <functional>
#include <set>
#include <thread>
#include <vector>

#include "Desktop.h"
#include "Harness.h"
#include "RuntimeConformance.h"
#include "Scenario.h"
#include "base/Error.h"
#include "clock/frmMainDesign.h"
#include "dialog/frmParamDesign.h"
#include "platform/Runtime.h"
#include "platform/win32/BoundUser32.h"
#include "platform/win32/FrenchMessageBox.h"
#include "platform/win32/LocalClock.h"
#include "platform/win32/ModuleInfo.h"
#include "platform/win32/SafeDllSearch.h"
#include "platform/win32/ShowDesktop.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Runtime.h"
#include "platform/win32/Win32Tray.h"
#include "program/Transparence.h"
#include "program/TrayMenu.h"

using namespace wine_test;
using namespace std::chrono;

namespace {

struct Recorder final : talvorin::FormEvents {
    std::vector<std::string> clicks;
    std::vector<system_clock::time_point> ticks;
    void onClick(std::string_view control) noexcept override { clicks.emplace_back(control); }
    void onTimer(std::string_view) noexcept override { ticks.push_back(system_clock::now()); }
    void onPointerPress(const talvorin::PointerEvent&) noexcept override {}
    void onPointerMove(const talvorin::PointerEvent&) noexcept override {}
    void onPointerRelease(const talvorin::PointerEvent&) noexcept override {}
    void onPointerCancel() noexcept override {}
    void onClosed() noexcept override {}
};

void dispatchQueued() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Waits for messages for `duration`, and hands each wake to `drain`.
void pump(milliseconds duration, const std::function<void()>& drain = dispatchQueued) {
    const auto end = steady_clock::now() + duration;
    while (steady_clock::now() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        drain();
    }
}

int millisecondsIntoSecond(system_clock::time_point t) {
    return static_cast<int>(duration_cast<milliseconds>(t.time_since_epoch()).count() % 1000);
}

void bindingChecks(Report& r, talvorin::ErrorTrace& runtime) {
    talvorin::win32::BoundUser32 missing("talvorin-no-such-library");
    bool raised = false;
    try {
        missing.GetWindowLongA(0, GWL_EXSTYLE);  // the macro: windows.h is in
    } catch (const talvorin::RuntimeError& e) {
        raised = e.code() == talvorin::ErrorCode::EntryPointNotFound;
    }
    r.check(raised, "a binding that fails raises EntryPointNotFound");
    r.equal(talvorin::setTransparency(missing, 0, 127, runtime), talvorin::kTransparencyFailed,
            "setTransparency reports a failed binding as 2");

    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    talvorin::win32::BoundUser32 user32;
    const auto hwnd = reinterpret_cast<talvorin::Hwnd>(window);
    r.equal(talvorin::setTransparency(user32, hwnd, 127, runtime), talvorin::kTransparencyApplied,
            "setTransparency through user32 applies");
    r.check((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0,
            "the bound SetWindowLongA really makes the window layered");
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
    r.check(alpha == 127 && flags == LWA_ALPHA,
            "the bound SetLayeredWindowAttributes sets alpha 127");
    user32.SetWindowPos(hwnd, reinterpret_cast<talvorin::Hwnd>(HWND_TOPMOST), 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE);
    r.check((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
            "the bound SetWindowPos makes the window topmost");
    DestroyWindow(window);
}

// The shell's shown desktop is a WorkerW holding SHELLDLL_DefView; one is
// made here, since Wine's own desktop has none.
void showDesktopChecks(Report& r) {
    const auto window = [](const wchar_t* cls, DWORD style, HWND parent) {
        WNDCLASSW c{};
        c.lpfnWndProc = DefWindowProcW;
        c.lpszClassName = cls;
        RegisterClassW(&c);
        return CreateWindowExW(0, cls, L"", style | WS_VISIBLE, 0, 0, 50, 50, parent, nullptr,
                               nullptr, nullptr);
    };
    const auto topmost = [](HWND w) {
        return (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    HWND clock = window(L"Clock", WS_POPUP, nullptr);
    talvorin::win32::ShowDesktop kept;
    kept.keep(clock);
    HWND desk = window(L"WorkerW", WS_POPUP, nullptr);
    window(L"SHELLDLL_DefView", WS_CHILD, desk);
    kept.shellStarted();  // as on TaskbarCreated: nothing was watched before
    SetForegroundWindow(desk);
    pump(600ms);
    kept.lookUnlessHeard();  // as the runtime does on a tick
    r.check(topmost(clock), "the clock is lifted above the shown desktop");
    SetForegroundWindow(window(L"Other", WS_OVERLAPPEDWINDOW, nullptr));
    pump(600ms);
    kept.lookUnlessHeard();
    r.check(!topmost(clock), "and goes back when another window comes forward");
}

void textChecks(Report& r) {
    using talvorin::win32::widen;
    // The round trip back to UTF-8 is in the conformance checks' text boxes.
    r.check(widen("Paramètres") == L"Param\u00E8tres", "UTF-8 to UTF-16 keeps the accent");

    talvorin::LocalTime t;
    t.date = year_month_day{year{2026}, month{12}, day{6}};
    t.hour = 14;
    t.minute = 5;
    t.second = 9;
    const talvorin::HourCycle hours = talvorin::win32::localHourCycle();
    r.check(!hours.twelveHour && hours.padHour, "French 24 hours with two digits");
    r.equal(talvorin::win32::localDateText(t), "06/12/2026", "French short date");
}

std::wstring className(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

// A screen reader names an edit box by the static text just before it in
// the z-order: each field's naming label must be that window.
void fieldNameChecks(Report& r, talvorin::win32::Win32Runtime& runtime) {
    Recorder events;
    const talvorin::FormDesign& design = talvorin::frmParamDesign();
    auto dialog = runtime.createForm(design, events);
    std::set<std::string> names;
    HWND previous = nullptr;
    for (HWND child = GetWindow(reinterpret_cast<HWND>(dialog->hWnd()), GW_CHILD); child;
         previous = child, child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(className(child).c_str(), L"Edit") != 0) continue;
        wchar_t text[128] = {};
        if (previous && _wcsicmp(className(previous).c_str(), L"Static") == 0)
            GetWindowTextW(previous, text, 128);
        names.insert(talvorin::win32::narrow(text));
    }
    std::set<std::string> expected;
    for (const talvorin::ControlDesign& c : design.controls)
        if (c.kind == talvorin::ControlKind::TextBox)
            for (const talvorin::ControlDesign& label : design.controls)
                if (label.name == c.labelledBy) expected.insert(label.caption);
    r.check(names == expected && expected.size() == 7,
            "each edit box follows its own label in the z-order, as screen readers look");
}

void formChecks(Report& r, talvorin::win32::Win32Runtime& runtime) {
    Recorder events;
    auto dialog = runtime.createForm(talvorin::frmParamDesign(), events);
    dialog->setLeft(1507);  // 100.47 pixels at 96 dpi
    dialog->setTop(3000);
    r.check(dialog->left() == 1507.0, "left() reads back the twips given while on their pixel");
    r.check(dialog->top() == static_cast<double>(twips(pixels(3000))), "top() after setTop");
    r.equal(dialog->frame().left, pixels(1507), "frame() reports the pixel the window stands on");
    dialog->dragTo({pixels(1507) + 1, pixels(3000)});
    r.check(dialog->left() == static_cast<double>(twips(pixels(1507) + 1)),
            "moved by a pixel, left() reports the whole twips of that pixel");
    dialog->setWidth(2312);
    dialog->setHeight(0);
    r.equal(dialog->frame().width, pixels(2312), "frame() reports the width set while hidden");
    dialog->show();
    RECT rect{};
    GetWindowRect(reinterpret_cast<HWND>(dialog->hWnd()), &rect);
    r.equal(rect.right - rect.left, pixels(2312), "the window shows at the width set while hidden");
    r.equal(rect.left, pixels(1507) + 1, "and at the place set while hidden");

    auto clock = runtime.createForm(talvorin::frmMainDesign(), events);
    clock->label("LabHeure").setFontSize(0);  // from a hand-edited file: drawn, not a crash
    clock->label("LabHeure").setFontSize(-12);
    clock->label("LabHeure").setCaption("12:34");
    clock->show();
    pump(2600ms);
    bool aligned = events.ticks.size() >= 2;
    for (size_t i = 0; i < events.ticks.size(); ++i) {
        const int ms = millisecondsIntoSecond(events.ticks[i]);
        r.note("tick " + std::to_string(i) + " at +" + std::to_string(ms) + " ms");
        aligned = aligned && ms < 150;
        if (i > 0)
            aligned =
                aligned && duration_cast<seconds>(events.ticks[i].time_since_epoch()) -
                                   duration_cast<seconds>(events.ticks[i - 1].time_since_epoch()) ==
                               1s;
    }
    r.check(aligned, "ticks come just after each second boundary, none skipped or repeated");

    // Mid-second, so that no tick of its own falls in the wait below.
    for (int ms = millisecondsIntoSecond(system_clock::now()); ms < 400 || ms > 600;
         ms = millisecondsIntoSecond(system_clock::now()))
        pump(10ms);
    const size_t before = events.ticks.size();
    PostMessageW(reinterpret_cast<HWND>(clock->hWnd()), WM_TIMECHANGE, 0, 0);
    pump(50ms);
    r.equal(static_cast<long long>(events.ticks.size() - before), 1,
            "a change of the system time ticks at once");
}

// Presses the button labelled `label` on the next box titled Talvorin, from
// another thread as a user would; `seen` gets the buttons the box showed and
// `topmost`, when given, whether the box stood in the topmost band.
std::thread pressWhenShown(std::wstring label, bool& pressed, std::vector<std::wstring>& seen,
                           bool* topmost = nullptr) {
    pressed = false;
    return std::thread([label = std::move(label), &pressed, &seen, topmost] {
        HWND box = nullptr;
        waitFor(
            [&] {
                box = FindWindowW(L"#32770", L"Talvorin");
                return box && IsWindowVisible(box);
            },
            5s);
        if (!box) return;
        HWND button = nullptr;
        waitFor(
            [&] {
                seen.clear();
                for (HWND c : children(box))
                    if (_wcsicmp(className(c).c_str(), L"Button") == 0 && IsWindowVisible(c))
                        seen.push_back(windowText(c));
                button = childWithText(box, L"Button", label);
                return button != nullptr;
            },
            2s);
        pressed = button != nullptr;
        if (topmost) *topmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        // Without the button the box is closed, so that the checks go on.
        if (pressed)
            SendMessageW(button, BM_CLICK, 0, 0);
        else
            PostMessageW(box, WM_CLOSE, 0, 0);
    });
}

void messageBoxChecks(Report& r) {
    // vbSystemModal: over a topmost clock, so the box joins the topmost band.
    for (const int style :
         {talvorin::vbExclamation, talvorin::vbExclamation | talvorin::vbSystemModal}) {
        std::vector<std::wstring> seen;
        bool pressed = false, topmost = false;
        std::thread answer = pressWhenShown(L"OK", pressed, seen, &topmost);
        const int code = talvorin::win32::showFrenchMessageBox("Des valeurs sont non conformes",
                                                               style, "Talvorin");
        answer.join();
        std::string shown;
        for (const auto& text : seen) shown.append("[").append(utf8(text)).append("]");
        const std::string name = "style " + std::to_string(style);
        r.equal(shown, "[OK]", name + " shows one button, OK");
        r.equal(code, talvorin::vbOK, name + ": OK answers vbOK");
        r.check(topmost == (style >= talvorin::vbSystemModal),
                name + (style >= talvorin::vbSystemModal ? " is topmost" : " is not topmost"));
    }
}

// The runtime checks every runtime passes, on this one.
class Win32Harness final : public talvorin::conformance::ConformanceHarness {
  public:
    Win32Harness(Report& report, talvorin::win32::Win32Runtime& runtime)
        : report_(report), runtime_(runtime) {}
    ~Win32Harness() override { finishAnswer(); }

    talvorin::Runtime& runtime() override { return runtime_; }
    // The runtime's own loop, where it runs what it held for the first frame.
    void pump(milliseconds duration) override {
        ::pump(duration, [this] { runtime_.doEvents(); });
    }
    void answerNextMessageBox(const std::string& label) override {
        finishAnswer();
        label_ = label;
        answering_ = pressWhenShown(talvorin::win32::widen(label), pressed_, seen_);
    }
    void check(bool ok, const std::string& what) override { report_.check(ok, what); }
    void note(const std::string& text) override { report_.note(text); }

  private:
    void finishAnswer() {
        if (!answering_.joinable()) return;
        answering_.join();
        if (!pressed_) report_.check(false, "the box showed a button " + label_);
    }

    Report& report_;
    talvorin::win32::Win32Runtime& runtime_;
    std::thread answering_;
    std::string label_;
    bool pressed_ = false;
    std::vector<std::wstring> seen_;
};

// The resources of talvorin.exe itself, as Explorer and Windows read them.
void resourceChecks(Report& r, const std::wstring& appDir) {
    const std::wstring exe = appDir + L"\\talvorin.exe";
    DWORD ignored = 0;
    std::vector<unsigned char> block(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT size = 0;
    const bool read =
        !block.empty() &&
        GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) &&
        VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &size);
    r.check(read &&
                info->dwFileVersionMS == MAKELONG(TALVORIN_VERSION_MINOR, TALVORIN_VERSION_MAJOR) &&
                info->dwFileVersionLS == MAKELONG(0, TALVORIN_VERSION_REVISION),
            "VERSIONINFO reads " TALVORIN_VERSION_TEXT ".0");

    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!r.check(module != nullptr, "talvorin.exe loads as data")) return;
    const auto own = talvorin::win32::moduleVersion(module);
    r.check(own && own->major == 1 && own->minor == 1 && own->revision == 8,
            "the runtime reads 1.1.8 from VERSIONINFO without version.dll");
    auto resource = [&](LPCWSTR type, LPCWSTR name) -> std::string {
        HRSRC found = FindResourceW(module, name, type);
        if (!found) return {};
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(bytes, SizeofResource(module, found));
    };
    const std::string manifest = resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    r.check(manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
                manifest.find("\"6.0.0.0\"") != std::string::npos,
            "the manifest asks for common controls v6");
    r.check(manifest.find("PerMonitorV2") != std::string::npos,
            "the manifest declares per-monitor DPI awareness v2");
    // GRPICONDIR: 6 bytes (the count at 4), then 14-byte entries whose first
    // byte is the width (0 for 256).
    const std::string group = resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
    std::string widths;
    for (size_t at = 6; group.size() >= 6 && at + 14 <= group.size(); at += 14) {
        const int width = static_cast<unsigned char>(group[at]);
        widths += std::to_string(width == 0 ? 256 : width) + " ";
    }
    r.equal(widths, "16 20 24 32 40 48 64 256 ", "the icon is drawn for each size");
    FreeLibrary(module);
}

struct TrayRecorder final : talvorin::TrayEvents {
    std::vector<std::string> items;
    int activations = 0;
    std::unique_ptr<talvorin::TrayIcon>* dropOnQuit = nullptr;
    void onTrayItem(std::string_view id) noexcept override {
        items.emplace_back(id);
        // The core may let go of the icon from inside its own event.
        if (id == "quitter" && dropOnQuit) dropOnQuit->reset();
    }
    void onTrayActivated() noexcept override { ++activations; }
};

std::wstring menuText(HMENU menu, UINT command) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, command, text, 128, MF_BYCOMMAND);
    return text;
}

// The tray's own logic without a tray host: adding is tried and retried, the
// shell's restart adds again, menu commands and clicks reach the core.
void trayChecks(Report& r, talvorin::win32::Win32Runtime& runtime) {
    using talvorin::win32::Win32TrayIcon;
    TrayRecorder events;
    std::unique_ptr<talvorin::TrayIcon> icon =
        runtime.createTrayIcon(talvorin::trayDesign("dimanche 06/12/2026 14:05", true), events);
    auto* tray = dynamic_cast<Win32TrayIcon*>(icon.get());
    if (!r.check(tray && tray->window(), "the tray icon has its owner window")) return;
    r.note(tray->added() ? "Shell_NotifyIconW(NIM_ADD) succeeded at once"
                         : "Shell_NotifyIconW(NIM_ADD) failed: retried on the timer");
    if (!tray->added()) {
        pump(milliseconds(4500));
        r.check(tray->added() || tray->attempts() >= 3, "adding is retried every 2 s");
    }
    r.check(menuText(tray->menu(), tray->commandOf("afficher")) == L"Afficher l'horloge" &&
                menuText(tray->menu(), tray->commandOf("parametres")) == L"Param\u00E8tres\u2026" &&
                menuText(tray->menu(), tray->commandOf("quitter")) == L"Quitter",
            "the menu's French captions");
    const UINT login = tray->commandOf("demarrage");
    r.check((GetMenuState(tray->menu(), login, MF_BYCOMMAND) & MF_CHECKED) != 0,
            "the start-at-login item starts checked as designed");
    icon->setChecked("demarrage", false);
    r.check((GetMenuState(tray->menu(), login, MF_BYCOMMAND) & MF_CHECKED) == 0,
            "setChecked clears the check mark");

    SendMessageW(tray->window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    r.equal(tray->attempts(), 1, "a new task bar adds the icon again, from a fresh count");

    SendMessageW(tray->window(), Win32TrayIcon::kCallbackMessage, 0, WM_LBUTTONUP);
    r.equal(events.activations, 1, "a left click on the icon reaches the core");
    for (const char* id : {"afficher", "parametres", "demarrage"})
        SendMessageW(tray->window(), WM_COMMAND, tray->commandOf(id), 0);
    events.dropOnQuit = &icon;
    SendMessageW(tray->window(), WM_COMMAND, tray->commandOf("quitter"), 0);
    r.check(
        events.items == std::vector<std::string>{"afficher", "parametres", "demarrage", "quitter"},
        "each menu command reaches the core as its item");
    r.check(!icon, "the icon can go from inside its own menu command");
}

std::wstring runValue() {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                     L"Talvorin", RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return L"(none)";
    return value;
}

void startAtLoginChecks(Report& r, talvorin::win32::Win32Runtime& runtime) {
    r.check(!runtime.startsAtLogin() && runValue() == L"(none)", "no Run value in a new prefix");
    runtime.setStartAtLogin(true);
    const std::wstring expected = L"\"" + talvorin::win32::executablePath() + L"\"";
    r.check(runtime.startsAtLogin() && runValue() == expected,
            "the Run value is the quoted path of the executable");
    runtime.setStartAtLogin(false);
    r.check(!runtime.startsAtLogin() && runValue() == L"(none)", "the Run value is removed");
    runtime.setStartAtLogin(false);  // removing what is not there is no error
}

}  // namespace

// A DLL planted beside the program (this driver sits in the app folder, as
// talvorin.exe does) loads by its bare name until the search is limited to
// the system folder, and never after. Last: it changes this process for good.
void dllSearchChecks(Report& r) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring planted = self;
    planted = planted.substr(0, planted.find_last_of(L'\\') + 1) + L"talvorin-planted.dll";
    if (!r.check(CopyFileW(self, planted.c_str(), FALSE) != FALSE, "a DLL is planted")) return;
    HMODULE before = LoadLibraryW(L"talvorin-planted.dll");
    r.check(before != nullptr, "the planted DLL loads by name from the program's folder");
    if (before) FreeLibrary(before);
    talvorin::win32::loadDllsFromSystemFolderOnly();
    HMODULE after = LoadLibraryW(L"talvorin-planted.dll");
    r.check(after == nullptr, "once limited to the system folder, the planted DLL does not load");
    if (after) FreeLibrary(after);
    r.check(LoadLibraryW(L"version.dll") != nullptr, "a system DLL still loads by name");
    DeleteFileW(planted.c_str());
}

int wmain(int argc, wchar_t** argv) {
    Report report;
    if (argc > 1) resourceChecks(report, argv[1]);
    talvorin::win32::Win32Runtime runtime(GetModuleHandleW(nullptr));
    bindingChecks(report, runtime);
    textChecks(report);
    showDesktopChecks(report);
    messageBoxChecks(report);
    trayChecks(report, runtime);
    startAtLoginChecks(report, runtime);
    {
        // Open throughout, so that the checks' own forms closing do not end the program.
        Recorder events;
        auto keeper = runtime.createForm(talvorin::frmParamDesign(), events);
        {
            Win32Harness harness(report, runtime);
            talvorin::conformance::runRuntimeConformance(harness);
            // A box's loop is not the program's: a step run there would change
            // the screen under the user's hands.
            int ran = 0;
            runtime.afterFirstPaint([&ran] { ++ran; });
            harness.answerNextMessageBox("OK");
            runtime.msgBox("Appuyez sur OK", talvorin::vbExclamation, "Talvorin");
            report.equal(ran, 0, "a step added after the first frame waits out a message box");
            runtime.doEvents();
            report.equal(ran, 1, "and runs on the program's own loop's next turn");
        }
        formChecks(report, runtime);
    }
    MSG quit{};
    report.check(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE,
                 "the message loop ends when the last form has gone");
    fieldNameChecks(report, runtime);
    dllSearchChecks(report);
    return report.exitCode();
}
