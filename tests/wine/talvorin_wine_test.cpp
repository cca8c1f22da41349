// Drives talvorin.exe under Wine the way a user would and checks what the
// user sees: the windows, their texts, places and sizes, the message boxes,
// and the options file beside the program.
//
//   talvorin_wine_test <scenario> <app folder> <screenshot folder>
//
// Each scenario starts the program afresh from the app folder.
#include <cstdio>
#include <map>
#include <thread>

#include "ReachScenarios.h"
#include "Scenario.h"
#include "platform/win32/WindowNames.h"

namespace wine_test {

namespace {

using talvorin::win32::kFormClass;

constexpr const wchar_t* kClockTitle = L"Talvorin V" TALVORIN_VERSION_TEXT;
constexpr const wchar_t* kDialogTitle = L"Talvorin - Paramètres";

bool hasStyle(HWND hwnd, LONG bits) {
    return (GetWindowLongW(hwnd, GWL_STYLE) & bits) == bits;
}
bool hasExStyle(HWND hwnd, LONG bits) {
    return (GetWindowLongW(hwnd, GWL_EXSTYLE) & bits) == bits;
}
// Whether `upper` comes before `lower` in the top-level z-order.
bool stackedAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == lower) return true;
    return false;
}

HWND waitForClock(Context& c, const RunningProgram& program) {
    HWND clock = waitForWindow(program.pid(), kFormClass, kClockTitle, 15s);
    c.report.check(clock != nullptr,
                   "the clock window shows, captioned \"Talvorin V" TALVORIN_VERSION_TEXT "\"");
    return clock;
}

void checkSize(Context& c, HWND window, int widthTwips, int heightTwips, const std::string& what) {
    const RECT r = windowRect(window);
    c.report.equal(r.right - r.left, pixels(widthTwips), what + ": outer width in pixels");
    c.report.equal(r.bottom - r.top, pixels(heightTwips), what + ": outer height in pixels");
}

void checkLabels(Context& c, HWND clock, bool withSeconds) {
    HWND time = clockLabel(clock, "LabHeure");
    std::string shown;
    waitFor([&] { return (shown = utf8(windowText(time))) != "--:--"; }, 3s);
    std::string expected;
    const bool current = showsCurrentTime(utf8(windowText(time)), withSeconds, expected);
    c.report.check(current, "LabHeure shows the time of day " + expected + " (shown " +
                                utf8(windowText(time)) + ")");
    c.report.equal(utf8(windowText(clockLabel(clock, "LabDay"))), todayInFrench(),
                   "LabDay shows the French day name and the date");
}

// Waits for the options file to hold `expected`.
bool waitForOptions(Context& c, const std::string& expected, const std::string& what) {
    waitFor([&] { return readBytes(optionsPath(c)) == expected; }, 3s);
    return c.report.equal(readBytes(optionsPath(c)), expected, what);
}

std::string preparedOptions(int trans, int red, int green, int blue, const std::string& onTop,
                            const std::string& seconds) {
    return optionsText(trans, red, green, blue, 1800, 3000, 48, onTop, seconds);
}

// --- First start: no options file --------------------------------------------

void firstStart(Context& c) {
    DeleteFileW(optionsPath(c).c_str());
    RunningProgram program(c.appDir);
    if (!c.report.check(program.started(), "talvorin.exe starts")) return;
    HWND clock = waitForClock(c, program);
    if (!clock) return;

    const std::string atShow = readBytes(optionsPath(c));
    const std::string defaults = optionsText(127, 0, 64, 127, 500, 800, 48, "0", "0");
    const RECT r = windowRect(clock);
    const std::string afterTick =
        optionsText(127, 0, 64, 127, twips(r.top), twips(r.left), 48, "0", "0");
    c.report.check(atShow == defaults || atShow == afterTick,
                   "tl_options.txt is created beside the program with the defaults");
    c.report.equal(static_cast<long long>(defaults.size()), 293, "the default file's size");

    checkSize(c, clock, 2312, 2152, "default clock");
    c.report.check(hasStyle(clock, WS_POPUP) && !hasStyle(clock, WS_CAPTION),
                   "the clock has no title bar");
    c.report.check(hasExStyle(clock, WS_EX_TOOLWINDOW), "the clock has no task-bar button");
    c.report.check(hasExStyle(clock, WS_EX_LAYERED), "the clock is a layered window");
    c.report.check(!hasExStyle(clock, WS_EX_TOPMOST), "the clock is not topmost by default");

    waitForOptions(c, afterTick, "the first tick rewrites the file with the real position");
    checkLabels(c, clock, false);

    const unsigned long long written = lastWriteTime(optionsPath(c));
    std::this_thread::sleep_for(2300ms);
    c.report.check(
        lastWriteTime(optionsPath(c)) == written && readBytes(optionsPath(c)) == afterTick,
        "ticks of a clock that does not move write nothing");
    screenshot(c, windowRect(clock), L"clock-first-start");
}

// --- Start with a prepared file; drag; click without moving ------------------

void preparedStart(Context& c) {
    writeBytes(optionsPath(c), preparedOptions(127, 0, 64, 127, "1", "1"));
    RunningProgram program(c.appDir);
    HWND clock = waitForClock(c, program);
    if (!clock) return;

    RECT r = windowRect(clock);
    c.report.equal(r.left, pixels(3000), "left at the file's 3000 twips, to the pixel");
    c.report.equal(r.top, pixels(1800), "top at the file's 1800 twips, to the pixel");
    checkSize(c, clock, 3368, 2152, "clock with seconds");
    c.report.check(hasExStyle(clock, WS_EX_TOPMOST), "topmost with line 13 \"1\"");
    checkLabels(c, clock, true);
    waitForOptions(c, preparedOptions(127, 0, 64, 127, "1", "1"),
                   "the first tick saves the position the window has");
    screenshot(c, windowRect(clock), L"clock-seconds");

    // A drag by any point of the clock moves it, and is no click.
    const POINT grip{r.left + 12, r.bottom - 12};
    const auto [pressedAt, releasedAt] = drag(grip, POINT{70, 50});
    const RECT moved = windowRect(clock);
    c.report.equal(moved.left - r.left, releasedAt.x - pressedAt.x,
                   "a drag moves the clock across");
    c.report.equal(moved.top - r.top, releasedAt.y - pressedAt.y, "a drag moves the clock down");
    c.report.check(moved.left != r.left, "the drag went beyond the drag distance");
    std::this_thread::sleep_for(600ms);
    c.report.check(visibleWindow(program.pid(), L"#32770", L"Quitter Talvorin") == nullptr,
                   "a drag opens no prompt");
    waitForOptions(c,
                   optionsText(127, 0, 64, 127, twips(moved.top), twips(moved.left), 48, "1", "1"),
                   "the next tick saves the dragged position");

    // A press and release without moving is a click: the prompt, no move.
    click(centre(moved));
    HWND box = waitForPrompt(program);
    if (c.report.check(box != nullptr, "a click without moving opens the prompt")) {
        c.report.check(!IsWindowVisible(clock), "the clock hides during the prompt");
        pressButton(box, L"Non");
        c.report.check(waitFor([&] { return IsWindowVisible(clock) != FALSE; }, 3s),
                       "\"Non\" shows the clock again");
    }
    const RECT after = windowRect(clock);
    c.report.check(EqualRect(&after, &moved) != FALSE, "a click does not move the clock");
}

// --- The prompt, the dialog and quitting --------------------------------------

void checkDialog(Context& c, HWND dialog) {
    const SIZE client = clientSize(dialog);
    c.report.equal(client.cx, pixels(5010), "dialog client width");
    c.report.equal(client.cy, pixels(5655), "dialog client height");
    c.report.check(hasStyle(dialog, WS_OVERLAPPEDWINDOW), "the dialog has a resizable frame");
    c.report.check(!hasExStyle(dialog, WS_EX_TOOLWINDOW), "the dialog has a task-bar button");
    c.report.equal(static_cast<long long>(children(dialog).size()), 27, "the dialog's controls");

    const std::map<const char*, const char*> fields = {
        {"txtTransp", "200"}, {"txtR", "10"},     {"txtG", "20"},     {"txtB", "30"},
        {"txtTaille", "48"},  {"txtTop", "1800"}, {"txtLeft", "3000"}};
    for (const auto& [name, value] : fields)
        c.report.equal(utf8(windowText(dialogControl(dialog, name))), value,
                       std::string(name) + " filled from the settings");
    for (const char* box : {"chkVis", "chkSecondes"})
        c.report.check(SendMessageW(dialogControl(dialog, box), BM_GETCHECK, 0, 0) == BST_CHECKED,
                       std::string(box) + " ticked from the settings");
    c.report.equal(utf8(windowText(dialogControl(dialog, "chkVis"))),
                   "(au dessus de toutes les fenêtres)", "chkVis caption");
    c.report.equal(utf8(windowText(dialogControl(dialog, "cmdDefaut"))), "Par défaut",
                   "cmdDefaut caption");

    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui);
    c.report.check(gui.hwndFocus == dialogControl(dialog, "txtB"), "txtB has the focus");

    const char* const names[] = {"txtB",        "txtG",      "txtR",   "txtTransp",
                                 "txtTop",      "txtLeft",   "chkVis", "txtTaille",
                                 "chkSecondes", "cmdDefaut", "cmdOk"};
    std::vector<HWND> expected;
    for (const char* n : names) expected.push_back(dialogControl(dialog, n));
    std::vector<HWND> stops;
    for (HWND child : children(dialog))
        if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) stops.push_back(child);
    c.report.check(stops == expected, "Tab visits the fields in the designed order");

    pressKey(VK_TAB);
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui);
    c.report.check(gui.hwndFocus == dialogControl(dialog, "txtG"), "the Tab key moves to txtG");
}

void promptAndDialog(Context& c) {
    writeBytes(optionsPath(c), preparedOptions(200, 10, 20, 30, "1", "1"));
    RunningProgram program(c.appDir);
    HWND clock = waitForClock(c, program);
    if (!clock) return;
    // The file written before the start already holds this position, so the
    // first tick shows only in the labels; until it, posT and posL are 0.
    c.report.check(
        waitFor([&] { return windowText(clockLabel(clock, "LabHeure")) != L"--:--"; }, 3s),
        "the first tick draws the time");
    waitForOptions(c, preparedOptions(200, 10, 20, 30, "1", "1"),
                   "the first tick saves the same place");

    click(centre(windowRect(clock)));
    HWND box = waitForPrompt(program);
    if (!c.report.check(box != nullptr, "a click on the clock opens \"Quitter Talvorin\"")) return;
    c.report.check(!IsWindowVisible(clock), "the clock hides during the prompt");
    const std::wstring expectedText =
        L"Les options sont modifiables dans \r\n" + c.appDir +
        L"\\tl_options.txt\r\n(cliquer sur Annuler modifier les "
        L"paramètres).\r\n\r\nVoulez-vous quitter Talvorin maintenant ?";
    c.report.equal(utf8(promptText(box)), utf8(expectedText), "the prompt's five lines");
    c.report.check(buttonTexts(box) == std::vector<std::wstring>{L"Oui", L"Non", L"Annuler"},
                   "the prompt's buttons read Oui, Non, Annuler");
    screenshot(c, windowRect(box), L"prompt");
    pressButton(box, L"Non");
    c.report.check(waitFor([&] { return IsWindowVisible(clock) != FALSE; }, 3s),
                   "\"Non\" shows the clock again");

    click(centre(windowRect(clock)));
    box = waitForPrompt(program);
    if (!c.report.check(box != nullptr, "the prompt opens again")) return;
    pressButton(box, L"Annuler");
    HWND dialog = waitForWindow(program.pid(), kFormClass, kDialogTitle, 5s);
    if (!c.report.check(dialog != nullptr, "\"Annuler\" opens \"Talvorin - Paramètres\"")) return;
    c.report.check(IsWindowVisible(clock) != FALSE, "the clock shows beside the dialog");
    checkDialog(c, dialog);
    screenshot(c, windowRect(dialog), L"dialog");

    // Typed as a user would: Tab selects a field's text, typing replaces it.
    const RECT beforeApply = windowRect(clock);
    pressKey(VK_TAB);  // txtR
    pressKey(VK_TAB);  // txtTransp
    pressKey(VK_TAB);  // txtTop
    typeDigits("2400");
    pressKey(VK_TAB);  // txtLeft
    typeDigits("4500");
    pressKey(VK_TAB);  // chkVis
    pressKey(VK_TAB);  // txtTaille
    typeDigits("30");
    pressKey(VK_RETURN);
    pressKey(VK_ESCAPE);
    std::this_thread::sleep_for(500ms);
    const RECT afterKeys = windowRect(clock);
    c.report.check(EqualRect(&afterKeys, &beforeApply) && IsWindowVisible(dialog),
                   "Enter and Escape neither apply nor close the dialog");
    c.report.equal(utf8(windowText(dialogControl(dialog, "txtTop"))), "2400", "typed into txtTop");
    pressKey(VK_TAB);    // chkSecondes
    pressKey(VK_SPACE);  // clears it
    c.report.check(
        SendMessageW(dialogControl(dialog, "chkSecondes"), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
        "Space clears chkSecondes");
    pressKey(VK_TAB);  // cmdDefaut
    pressKey(VK_TAB);  // cmdOk
    pressKey(VK_SPACE);

    // The apply moves the clock and then resizes it: wait for both.
    waitFor(
        [&] {
            const RECT w = windowRect(clock);
            return w.left == pixels(4500) && w.right - w.left == pixels(1520);
        },
        3s);
    const RECT r = windowRect(clock);
    c.report.equal(r.left, pixels(4500), "\"Valider !\" moves the clock to the new left");
    c.report.equal(r.top, pixels(2400), "\"Valider !\" moves the clock to the new top");
    checkSize(c, clock, 1520, 1720, "clock resized by \"Valider !\"");
    c.report.check(hasExStyle(clock, WS_EX_TOPMOST), "the clock stays topmost");
    c.report.check(hasExStyle(dialog, WS_EX_TOPMOST), "the dialog joins the clock's band");
    c.report.check(stackedAbove(dialog, clock), "the topmost clock does not cover the dialog");
    waitForOptions(c, optionsText(200, 10, 20, 30, 2400, 4500, 30, "1", "0"),
                   "\"Valider !\" rewrites the file");
    c.report.check(IsWindowVisible(dialog) != FALSE, "the dialog stays open");
    c.report.equal(utf8(windowText(dialogControl(dialog, "txtTaille"))), "30",
                   "the dialog shows the applied values");

    // Closed through its frame: the program goes on with the clock alone.
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    c.report.check(waitFor([&] { return !IsWindow(dialog); }, 3s), "the frame closes the dialog");
    DWORD code = 0;
    c.report.check(!program.exited(0ms, code) && IsWindowVisible(clock),
                   "the clock runs on after the dialog closed");
    std::this_thread::sleep_for(1200ms);
    checkLabels(c, clock, false);
    screenshot(c, windowRect(clock), L"clock-after-apply");

    click(centre(windowRect(clock)));
    box = waitForPrompt(program);
    if (!c.report.check(box != nullptr, "the prompt opens after the dialog closed")) return;
    pressButton(box, L"Annuler");
    dialog = waitForWindow(program.pid(), kFormClass, kDialogTitle, 5s);
    if (!c.report.check(dialog != nullptr, "\"Annuler\" opens the dialog afresh")) return;
    c.report.equal(utf8(windowText(dialogControl(dialog, "txtTaille"))) + " " +
                       utf8(windowText(dialogControl(dialog, "txtTop"))) + " " +
                       utf8(windowText(dialogControl(dialog, "txtLeft"))),
                   "30 2400 4500", "the new dialog shows the saved settings");

    click(centre(windowRect(clock)));
    box = waitForPrompt(program);
    if (!c.report.check(box != nullptr, "the prompt opens with the dialog open")) return;
    pressButton(box, L"Oui");
    code = 1;
    c.report.check(program.exited(5s, code), "\"Oui\" ends the program, dialog and all");
    c.report.equal(code, 0, "exit code");
}

// --- The command line; one clock per options file -----------------------------

// Visible clocks of any process: a second start must not add one.
int visibleClocks() {
    int count = 0;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            if (IsWindowVisible(hwnd) && className(hwnd) == kFormClass &&
                windowText(hwnd) == kClockTitle)
                ++*reinterpret_cast<int*>(param);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Starts talvorin.exe with `arguments`; true when it ended with `status`
// within `limit` of its start.
bool endsWith(Context& c, const std::wstring& arguments, DWORD status,
              std::chrono::milliseconds limit, const std::string& what) {
    const auto begin = std::chrono::steady_clock::now();
    RunningProgram program(c.appDir, arguments);
    DWORD code = 99;
    const bool ended = program.exited(5s, code);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - begin);
    c.report.note(what + ": ended after " + std::to_string(took.count()) + " ms");
    return c.report.check(ended && took <= limit,
                          what + ": ends within " + std::to_string(limit.count()) + " ms") &&
           c.report.equal(code, status, what + ": exit code");
}

void commandLineAndSecondStart(Context& c) {
    DeleteFileW(optionsPath(c).c_str());
    endsWith(c, L"--version", 0, 2s, "--version");
    endsWith(c, L"--help", 0, 2s, "--help");
    endsWith(c, L"--inconnue", 2, 2s, "a wrong option");
    c.report.equal(visibleClocks(), 0, "the command line opens no clock");
    c.report.check(GetFileAttributesW(optionsPath(c).c_str()) == INVALID_FILE_ATTRIBUTES,
                   "the command line creates no options file");

    RunningProgram first(c.appDir);
    HWND clock = waitForClock(c, first);
    if (!clock) return;
    endsWith(c, L"", 0, 1s, "a second start");
    std::this_thread::sleep_for(300ms);
    c.report.equal(visibleClocks(), 1, "one clock after a second start");

    ShowWindow(clock, SW_HIDE);
    c.report.check(!IsWindowVisible(clock), "the clock is hidden from outside");
    endsWith(c, L"", 0, 1s, "a second start with the clock hidden");
    c.report.check(waitFor([&] { return IsWindowVisible(clock) != FALSE; }, 2s),
                   "the second start shows the running clock again");
    c.report.equal(visibleClocks(), 1, "still one clock");

    first.kill();
    RunningProgram next(c.appDir);
    c.report.check(waitForClock(c, next) != nullptr, "a start after the clock was killed runs");
}

// --- The options file read-only: the apply names the file and the cause -------

void readOnlyFile(Context& c) {
    writeBytes(optionsPath(c), preparedOptions(200, 10, 20, 30, "0", "0"));
    SetFileAttributesW(optionsPath(c).c_str(), FILE_ATTRIBUTE_READONLY);
    RunningProgram program(c.appDir);
    HWND clock = waitForClock(c, program);
    if (!clock) return;
    click(centre(windowRect(clock)));
    HWND box = waitForPrompt(program);
    if (!c.report.check(box != nullptr, "a click opens the prompt")) return;
    pressButton(box, L"Annuler");
    HWND dialog = waitForWindow(program.pid(), kFormClass, kDialogTitle, 5s);
    if (!c.report.check(dialog != nullptr, "\"Annuler\" opens the dialog")) return;
    SendMessageW(dialogControl(dialog, "txtTaille"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"30"));
    click(centre(windowRect(dialogControl(dialog, "cmdOk"))));
    HWND warning = waitForWindow(program.pid(), L"#32770", L"Talvorin", 5s);
    if (!c.report.check(warning != nullptr, "a failed save warns")) return;
    c.report.equal(
        utf8(promptText(warning)),
        "Impossible d'enregistrer les options dans " + utf8(optionsPath(c)) + " : accès refusé.",
        "the warning names the file and the cause");
    screenshot(c, windowRect(warning), L"save-refused");
    pressButton(warning, L"OK");
    c.report.equal(readBytes(optionsPath(c)), preparedOptions(200, 10, 20, 30, "0", "0"),
                   "the read-only file is left as it was");
    c.report.check(GetFileAttributesW(optionsPath(c).c_str()) & FILE_ATTRIBUTE_READONLY,
                   "and stays read-only");
    SetFileAttributesW(optionsPath(c).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// --- tl_extras.txt, edited by hand while the clock runs ---------------------------

// A window of this process that counts the clicks it gets.
HWND plainWindow(const RECT& r) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_LBUTTONDOWN) SetWindowLongPtrW(w, GWLP_USERDATA, 1);
        return DefWindowProcW(w, m, wp, lp);
    };
    wc.lpszClassName = L"extras-below";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
}

void extrasByHand(Context& c) {
    const std::string options = preparedOptions(127, 0, 64, 127, "0", "0");
    writeBytes(optionsPath(c), options);
    const std::wstring extras = c.appDir + L"\\tl_extras.txt";
    writeBytes(extras, "position_verrouillee=1\r\n");
    RunningProgram program(c.appDir);
    HWND clock = waitForClock(c, program);
    if (!clock) return;
    auto within3s = [](auto done) {
        return waitFor(
            [&] {
                for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
                return done();
            },
            3s);
    };
    BYTE alpha = 0;
    auto alphaIs = [&](BYTE a) {
        return GetLayeredWindowAttributes(clock, nullptr, &alpha, nullptr) && alpha == a;
    };
    const RECT r = windowRect(clock);
    drag(POINT{r.left + 12, r.top + 12}, POINT{70, 50});
    std::this_thread::sleep_for(1500ms);
    c.report.check(windowRect(clock).left == r.left, "locked: a drag leaves the clock in place");
    c.report.equal(readBytes(optionsPath(c)), options, "locked: lines 8-9 unchanged");

    HWND below = plainWindow(r);
    SetWindowPos(below, clock, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    writeBytes(extras, "clics_traversants=1\r\n");
    c.report.check(within3s([&] { return hasExStyle(clock, WS_EX_TRANSPARENT | WS_EX_LAYERED); }),
                   "a hand edit lets the clicks through");
    click(centre(r));
    c.report.check(within3s([&] { return GetWindowLongPtrW(below, GWLP_USERDATA) == 1; }) &&
                       !visibleWindow(program.pid(), L"#32770", L"Quitter Talvorin"),
                   "a click reaches the window below and opens no prompt");
    DestroyWindow(below);

    writeBytes(extras, "masquer_plein_ecran=1\r\nsurvol_discret=1\r\n");
    std::this_thread::sleep_for(1500ms);
    mouseMoveTo(centre(r));
    c.report.check(within3s([&] { return alphaIs(26); }), "faded under the pointer");
    mouseMoveTo(POINT{r.right + 200, r.bottom + 200});
    c.report.check(within3s([&] { return alphaIs(127); }), "its own opacity again");
    HWND full =
        plainWindow(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    SetForegroundWindow(full);
    c.report.check(within3s([&] { return !IsWindowVisible(clock); }),
                   "hidden by a full-screen window");
    DestroyWindow(full);
    c.report.check(within3s([&] { return IsWindowVisible(clock) != FALSE; }),
                   "back when it closes");
}

// --- Installed in a folder the user cannot write ------------------------------

std::wstring userOptionsPath() {
    wchar_t appData[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH);
    return std::wstring(appData) + L"\\Talvorin\\tl_options.txt";
}

// The folder is read-only (run-under-wine.sh mounts it so, with an
// administrator's file in it): the clock keeps its settings in %APPDATA%.
void readOnlyFolder(Context& c) {
    const std::wstring userFile = userOptionsPath();
    const std::string beside = readBytes(optionsPath(c));
    c.report.check(!beside.empty(), "an administrator's file beside the program");
    RECT moved{};
    {
        RunningProgram program(c.appDir);
        HWND clock = waitForClock(c, program);
        if (!clock) return;
        c.report.check(waitFor([&] { return !readBytes(userFile).empty(); }, 3s),
                       "the per-user file is created in %APPDATA%\\Talvorin");
        const std::string seeded = readBytes(userFile);
        c.report.equal(seeded.substr(0, 4) + seeded.substr(seeded.size() - 10),
                       beside.substr(0, 4) + beside.substr(beside.size() - 10),
                       "it starts from the administrator's file");
        click(centre(windowRect(clock)));
        HWND box = waitForPrompt(program);
        if (!c.report.check(box != nullptr, "a click opens the prompt")) return;
        c.report.check(promptText(box).find(L"\r\n" + userFile + L"\r\n") != std::wstring::npos,
                       "the prompt names the per-user file: " + utf8(promptText(box)));
        pressButton(box, L"Non");
        waitFor([&] { return IsWindowVisible(clock) != FALSE; }, 3s);
        const RECT r = windowRect(clock);
        drag(POINT{r.left + 12, r.bottom - 12}, POINT{60, 40});
        moved = windowRect(clock);
        waitFor(
            [&] {
                return readBytes(userFile).find(std::to_string(twips(moved.left))) !=
                       std::string::npos;
            },
            3s);
        c.report.check(readBytes(userFile).find("\r\n" + std::to_string(twips(moved.left)) +
                                                "\r\n") != std::string::npos,
                       "the drag is saved in the per-user file");
    }
    RunningProgram again(c.appDir);
    HWND clock = waitForClock(c, again);
    if (!clock) return;
    const RECT r = windowRect(clock);
    c.report.check(r.left == moved.left && r.top == moved.top,
                   "the next start puts the clock where it was dragged");
    c.report.equal(readBytes(optionsPath(c)), beside, "the file beside the program is untouched");
}

}  // namespace

}  // namespace wine_test

int wmain(int argc, wchar_t** argv) {
    using namespace wine_test;
    if (argc != 4) {
        std::printf(
            "usage: talvorin_wine_test first-start|prepared-start|prompt-dialog|second-start|"
            "read-only-file|read-only-folder|idle-writes|lost-positions|display-changes "
            "<app folder> <screenshot folder>\n");
        return 2;
    }
    // Physical pixels, as talvorin.exe sees them (it is per-monitor DPI aware).
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    Report report;
    Context context{argv[2], argv[3], report};
    const std::wstring scenario = argv[1];
    report.note("display " + std::to_string(displayDpi()) + " dpi");
    if (scenario == L"first-start")
        firstStart(context);
    else if (scenario == L"prepared-start")
        preparedStart(context);
    else if (scenario == L"prompt-dialog")
        promptAndDialog(context);
    else if (scenario == L"second-start")
        commandLineAndSecondStart(context);
    else if (scenario == L"read-only-file")
        readOnlyFile(context);
    else if (scenario == L"read-only-folder")
        readOnlyFolder(context);
    else if (scenario == L"idle-writes")
        idleWrites(context);
    else if (scenario == L"lost-positions")
        lostPositions(context);
    else if (scenario == L"display-changes")
        displayChanges(context);
    else if (scenario == L"extras")
        extrasByHand(context);
    else
        report.check(false, "known scenario " + utf8(scenario));
    return report.exitCode();
}
