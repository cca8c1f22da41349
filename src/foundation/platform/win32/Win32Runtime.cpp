#include "platform/win32/Win32Runtime.h"

#include <algorithm>

#include "platform/win32/Dpi.h"
#include "platform/win32/FrenchMessageBox.h"
#include "platform/win32/FullScreenWindow.h"
#include "platform/win32/LocalClock.h"
#include "platform/win32/ModuleInfo.h"
#include "platform/win32/Painting.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32StartAtLogin.h"
#include "platform/win32/Win32Tray.h"
// After <windows.h>, which WinApi.h brings.
#include <commctrl.h>
#include <imm.h>

namespace talvorin::win32 {

Win32Runtime::Win32Runtime(HINSTANCE instance)
    : instance_(instance), fontFaces_(executableFolder()), singleInstance_(instance) {
    // Digits, check boxes and buttons only: no window of the program needs an
    // input method, whose start with the first focus loads COM as well.
    ImmDisableIME(0);
    Win32Form::registerClass(instance_);
    registerLabelClass(instance_);
}

std::unique_ptr<FormView> Win32Runtime::createForm(const FormDesign& design, FormEvents& events) {
    const bool onlyLabels =
        std::all_of(design.controls.begin(), design.controls.end(), [](const ControlDesign& c) {
            return c.kind == ControlKind::Label || c.kind == ControlKind::Timer;
        });
    if (!onlyLabels) useCommonControls();
    return std::make_unique<Win32Form>(*this, design, events);
}

int Win32Runtime::msgBox(const std::string& prompt, int style, const std::string& title) {
    useCommonControls();
    return showFrenchMessageBox(prompt, style, title);
}

void Win32Runtime::useCommonControls() {
    // comctl32 (delay-loaded) is the manifest's version 6: buttons, fields and
    // check boxes in the system's current look. The clock itself has none,
    // so it starts without loading it.
    if (commonControls_) return;
    commonControls_ = true;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    if (!InitCommonControlsEx(&controls))
        reportError("common controls not set up: buttons and fields keep the classic look");
}

std::string Win32Runtime::directory() const {
    return narrow(executableFolder());
}

Version Win32Runtime::version() const {
    return executableVersion();
}

LocalTime Win32Runtime::now() const {
    return localNow();
}

HourCycle Win32Runtime::hourCycle() const {
    return localHourCycle();
}

std::string Win32Runtime::dateText(const LocalTime& t) const {
    return localDateText(t);
}

void Win32Runtime::reportError(const std::string& line) {
    const std::string text = "talvorin: " + line + "\n";
    OutputDebugStringW(widen(text).c_str());
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err && err != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(err, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

PixelPoint Win32Runtime::dragThreshold() const {
    return {GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)};
}

bool Win32Runtime::claimInstance(const std::string& key, InstanceRequests requests) {
    const auto trace = [this](const std::string& line) { reportError(line); };
    if (!singleInstance_.claim(key, std::move(requests), trace)) return false;
    // The mutex now, the window that answers after the clock's first frame.
    afterFirstPaint([this, trace] { singleInstance_.listen(trace); });
    return true;
}

// --- Monitors ------------------------------------------------------------------

namespace {

BOOL CALLBACK addWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcWork;
        reinterpret_cast<std::vector<PixelRect>*>(areas)->push_back(
            PixelRect{r.left, r.top, r.right - r.left, r.bottom - r.top});
    }
    return TRUE;
}

}  // namespace

std::vector<PixelRect> Win32Runtime::workAreas() const {
    std::vector<PixelRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, addWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

double Win32Runtime::positionDpi() const {
    return static_cast<double>(systemDpi());
}

bool Win32Runtime::fullScreenInFront(Hwnd window) const {
    return fullScreenInFrontOf(reinterpret_cast<HWND>(window));
}

std::unique_ptr<TrayIcon> Win32Runtime::createTrayIcon(const TrayDesign& design,
                                                       TrayEvents& events) {
    return std::make_unique<Win32TrayIcon>(instance_, design, events, *this);
}

bool Win32Runtime::startsAtLogin() const {
    return win32StartsAtLogin();
}

void Win32Runtime::setStartAtLogin(bool on) {
    win32SetStartAtLogin(on);
}

// --- Forms and the message loop ----------------------------------------------

void Win32Runtime::formCreated(HWND form, bool dialogKeys) {
    forms_.push_back(LiveForm{form, dialogKeys});
}

void Win32Runtime::keepOnShownDesktop(HWND form) {
    // Without the shell's event (a failed hook) each tick looks instead.
    showDesktop_.keep(form);
    // Looking for the shell's desktop walks every top-level window: not
    // before the first frame.
    afterFirstPaint([this] { showDesktop_.shellStarted(); });
}

void Win32Runtime::formGone(HWND form) {
    showDesktop_.forget(form);
    const auto before = forms_.size();
    std::erase_if(forms_, [form](const LiveForm& f) { return f.hwnd == form; });
    // As in the forms runtime, the program ends with its last form.
    if (before != forms_.size() && forms_.empty()) end();
}

void Win32Runtime::dispatch(MSG& msg) {
    firstFrameSteps_.runIfDue(&msg);
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    for (const LiveForm& f : forms_)
        if (f.hwnd == root && f.dialogKeys && IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    // Each tick of the clock's one timer; nothing else in it sets a timer.
    if (msg.message == WM_TIMER) showDesktop_.lookUnlessHeard();
}

int Win32Runtime::run() {
    MSG msg{};
    while (pumpOnce(msg)) {
    }
    return static_cast<int>(msg.wParam);
}

bool Win32Runtime::pumpOnce(MSG& msg) {
    firstFrameSteps_.runIfDue();
    HANDLE folder = folderWatch_.handle();
    const DWORD handles = folder ? 1 : 0;
    const DWORD woke = MsgWaitForMultipleObjectsEx(handles, &folder, firstFrameSteps_.waitLimit(),
                                                   QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_TIMEOUT) firstFrameSteps_.runNow();
    if (woke == WAIT_FAILED) {
        reportError("the message loop cannot wait (error " + std::to_string(GetLastError()) + ")");
        msg.wParam = 1;
        return false;
    }
    if (handles && woke == WAIT_OBJECT_0) folderWatch_.signalled();
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) return false;
        dispatch(msg);
    }
    return true;
}

void Win32Runtime::afterFirstPaint(std::function<void()> step) {
    firstFrameSteps_.add(std::move(step));
}

bool Win32Runtime::watchFolder(const std::string& folder, std::function<void()> changed) {
    return folderWatch_.watch(folder, std::move(changed),
                              [this](const std::string& line) { reportError(line); });
}

void Win32Runtime::doEvents() {
    firstFrameSteps_.runIfDue();
    HANDLE folder = folderWatch_.handle();
    if (folder && WaitForSingleObject(folder, 0) == WAIT_OBJECT_0) folderWatch_.signalled();
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop
            return;
        }
        dispatch(msg);
    }
}

void Win32Runtime::end() {
    if (ended_) return;
    ended_ = true;
    // The windows go now; their FormView objects, still held by the core,
    // find their window gone (WM_NCDESTROY) and have nothing left to free.
    const std::vector<LiveForm> open = forms_;
    for (const LiveForm& f : open) DestroyWindow(f.hwnd);
    PostQuitMessage(0);
}

}  // namespace talvorin::win32
