// A headless runtime for tests. Windows are plain records that outlive their
// views, so a test can still read a window after the program unloaded it;
// message boxes answer from a script; the clock reads what the test set; every
// window-manager call is recorded. Hooks let a test make any window operation
// fail, or make a window report a position other than the one it was given.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/Twips.h"
#include "platform/EventSink.h"
#include "platform/Runtime.h"

namespace talvorin {

struct ScriptedControlState {
    ControlDesign design;
    std::string text;  // caption or text
    double fontSize = 0;
    int value = 0;        // check boxes
    bool enabled = true;  // timers
};

struct ScriptedWindowState {
    std::string name;
    Hwnd hwnd = 0;
    std::unique_ptr<EventSink> sink;  // detached once the view is gone
    std::string caption;
    uint32_t backColor = 0;
    double top = 0, left = 0, width = 0, height = 0;  // twips
    bool visible = false;
    bool active = false;         // given the keyboard focus by activate()
    bool keyboardFocus = false;  // from the design
    bool loadedView = true;
    bool topmost = false;
    int32_t exStyle = 0;
    uint32_t layeredKey = 0;
    uint8_t layeredAlpha = 0;
    uint32_t layeredFlags = 0;
    std::map<std::string, ScriptedControlState, std::less<>> controls;
    std::vector<std::string> operations;  // "setTop 500", "show", ... in order
};

// The notification-area icon as the test sees it; it outlives its TrayIcon.
struct ScriptedTrayState {
    TrayDesign design;
    std::vector<std::string> toolTips;  // every tooltip set, the first from the design
    std::map<std::string, bool, std::less<>> checked;
    bool present = true;  // false once the core removed the icon
    TrayEvents* events = nullptr;
};

struct ScriptedMessageBox {
    std::string prompt;
    int style = 0;
    std::string title;
};

struct ScriptedUser32Call {
    std::string function;
    std::vector<int64_t> args;
};

class ScriptedRuntime;

class ScriptedUser32 final : public User32 {
  public:
    explicit ScriptedUser32(ScriptedRuntime& runtime) : runtime_(runtime) {}
    int32_t GetWindowLongA(Hwnd hwnd, int32_t index) override;
    int32_t SetWindowLongA(Hwnd hwnd, int32_t index, int32_t newLong) override;
    int32_t SetLayeredWindowAttributes(Hwnd hwnd, uint32_t colorKey, uint8_t alpha,
                                       uint32_t flags) override;
    int32_t SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                         uint32_t flags) override;

    std::vector<ScriptedUser32Call> calls;
    std::set<std::string, std::less<>> missing;  // entry points that fail to bind

  private:
    void record(const char* function, std::vector<int64_t> args);
    ScriptedRuntime& runtime_;
};

class ScriptedRuntime final : public Runtime {
  public:
    ScriptedRuntime();

    // Runtime
    std::unique_ptr<FormView> createForm(const FormDesign& design, FormEvents& events) override;
    User32& user32() override { return user32_; }
    ScriptedUser32& scriptedUser32() { return user32_; }
    int msgBox(const std::string& prompt, int style, const std::string& title) override;
    std::string directory() const override { return directory_; }
    Version version() const override;
    LocalTime now() const override { return now_; }
    HourCycle hourCycle() const override { return hours; }
    std::string dateText(const LocalTime& t) const override;
    void doEvents() override;
    void end() override;
    // Held until paintShownWindows() finds a window shown, then run at once.
    void afterFirstPaint(std::function<void()> step) override;
    // What a real event loop does first after a show: draws the windows.
    void paintShownWindows();
    void reportError(const std::string& line) override { errorTrace.push_back(line); }
    PixelPoint dragThreshold() const override { return {4, 4}; }
    // Held when no other "process" holds the key (see heldElsewhere); raises
    // when failingOperations has "claimInstance".
    bool claimInstance(const std::string& key, InstanceRequests requests) override;
    std::vector<PixelRect> workAreas() const override { return workAreas_; }
    double positionDpi() const override { return positionDpi_; }
    bool fullScreenInFront(Hwnd) const override { return fullScreenInFront_; }
    std::unique_ptr<TrayIcon> createTrayIcon(const TrayDesign& design, TrayEvents& events) override;
    bool startsAtLogin() const override { return startAtLogin; }
    void setStartAtLogin(bool on) override;
    // Kept when foldersWatchable; otherwise false, as where nothing can be watched.
    bool watchFolder(const std::string& folder, std::function<void()> changed) override;
    void watchEndRequests(std::function<void()> onEndRequest) override {
        endRequestHandler = std::move(onEndRequest);
    }

    // Set-up by the test.
    std::string directory_;
    LocalTime now_{};
    HourCycle hours;          // French unless a test says otherwise: 24 hours, two digits
    std::deque<int> answers;  // message-box answers, in order
    // Buttons pressed by their label, taken before `answers`; a label the box
    // does not show raises InvalidProcedureCall.
    std::deque<std::string> pressedButtons;
    std::function<void(const ScriptedMessageBox&)> whileMessageBoxOpen;
    std::vector<std::function<void()>> pendingEvents;  // run by the next doEvents
    std::vector<std::function<void()>> awaitingFirstPaint;
    bool painted = false;
    std::set<std::string, std::less<>> failingOperations;  // e.g. "setTop", "setWidth"
    // What a window reports for a position it was given (pixel rounding, say).
    std::function<double(double)> reportedPosition = [](double twips) { return twips; };
    // The monitors' work areas (none: nothing is ever out of reach) and the
    // DPI windows are placed in: a window's frame is its twips at this DPI.
    std::vector<PixelRect> workAreas_;
    double positionDpi_ = 96;
    bool fullScreenInFront_ = false;
    std::set<std::string, std::less<>> heldElsewhere;  // keys another clock holds

    bool foldersWatchable = false;
    std::vector<std::string> watchedFolders;  // every folder asked for
    std::function<void()> folderChanged;      // what the system's change notice would run

    bool trayAvailable = true;  // false: a desktop without a notification area
    bool startAtLogin = false;  // the desktop's entry
    bool startAtLoginFails = false;

    // What happened.
    std::vector<ScriptedMessageBox> messageBoxes;
    int doEventsCalls = 0;
    std::vector<std::string> errorTrace;
    bool ended = false;
    std::vector<std::string> claimedKeys;       // every key asked for, in order
    std::vector<std::string> showRequestsSent;  // to the clock holding the key
    InstanceRequests requestHandlers;           // what a later start or an installer would run
    std::function<void()> endRequestHandler;    // what a SIGTERM or logout would run

    // The latest window made from the named design; raises when there is none.
    ScriptedWindowState& window(const std::string& name);
    bool hasWindow(const std::string& name) const;
    ScriptedWindowState* windowByHandle(Hwnd hwnd);
    int windowsCreated(const std::string& name) const;

    // A user's actions, delivered as the real event loop would. A click on
    // a label or on the surface ("") is a press and a release at its middle
    // (at 96 dpi, the window at its twips position); a button or check box
    // reports its own click.
    void click(const std::string& form, const std::string& control);
    // Raw pointer events on a form's surface, screen pixels.
    void press(const std::string& form, PixelPoint screen);
    void movePointer(const std::string& form, PixelPoint screen);
    void release(const std::string& form, PixelPoint screen);
    void tick(const std::string& form, const std::string& timer = "Timer1");
    // Lets simulated time pass: every running timer of a live window ticks
    // once for each boundary of its interval crossed.
    void elapse(std::chrono::milliseconds duration);
    // A key on the window itself; only a window designed to take the focus gets one.
    void pressKey(const std::string& form, Key key);
    void closeByUser(const std::string& form);
    void type(const std::string& form, const std::string& box, const std::string& text);
    void setCheck(const std::string& form, const std::string& box, int value);
    void moveByUser(const std::string& form, double top, double left);
    // The monitors changed (work areas already set by the test).
    void displayChanged(const std::string& form);
    // The latest icon; raises when none was ever added.
    ScriptedTrayState& tray();
    bool hasTray() const { return tray_ != nullptr; }
    void chooseTrayItem(const std::string& id);
    void clickTrayIcon();
    void openTrayMenu();

  private:
    PointerEvent pointerEvent(ScriptedWindowState& w, PixelPoint screen) const;
    ScriptedUser32 user32_;
    std::shared_ptr<ScriptedTrayState> tray_;
    std::vector<std::shared_ptr<ScriptedWindowState>> windows_;
    std::chrono::milliseconds elapsed_{0};
    Hwnd nextHandle_ = 0x10010;
};

}  // namespace talvorin
