#include "ScriptedRuntime.h"

#include <algorithm>
#include <cstdio>

#include "ScriptedForm.h"
#include "base/Error.h"
#include "base/Twips.h"
#include "platform/MessageBoxStyle.h"

namespace talvorin {

ScriptedRuntime::ScriptedRuntime() : user32_(*this) {}

namespace {

class ScriptedTrayIcon final : public TrayIcon {
  public:
    explicit ScriptedTrayIcon(std::shared_ptr<ScriptedTrayState> state)
        : state_(std::move(state)) {}
    ~ScriptedTrayIcon() override {
        state_->present = false;
        state_->events = nullptr;
    }
    void setToolTip(const std::string& text) override { state_->toolTips.push_back(text); }
    void setChecked(std::string_view id, bool checked) override {
        state_->checked[std::string(id)] = checked;
    }

  private:
    std::shared_ptr<ScriptedTrayState> state_;
};

}  // namespace

std::unique_ptr<TrayIcon> ScriptedRuntime::createTrayIcon(const TrayDesign& design,
                                                          TrayEvents& events) {
    if (!trayAvailable) return nullptr;
    tray_ = std::make_shared<ScriptedTrayState>();
    tray_->design = design;
    tray_->toolTips.push_back(design.toolTip);
    for (const auto& item : design.items)
        if (item.checkable) tray_->checked[item.id] = item.checked;
    tray_->events = &events;
    return std::make_unique<ScriptedTrayIcon>(tray_);
}

void ScriptedRuntime::setStartAtLogin(bool on) {
    if (startAtLoginFails) throw RuntimeError(ErrorCode::PermissionDenied, "autostart entry");
    startAtLogin = on;
}

ScriptedTrayState& ScriptedRuntime::tray() {
    if (!tray_) throw RuntimeError(ErrorCode::InvalidProcedureCall, "no tray icon");
    return *tray_;
}

void ScriptedRuntime::chooseTrayItem(const std::string& id) {
    if (ScriptedTrayState& t = tray(); t.events) t.events->onTrayItem(id);
}

void ScriptedRuntime::openTrayMenu() {
    if (ScriptedTrayState& t = tray(); t.events) t.events->onTrayMenuOpening();
}

void ScriptedRuntime::clickTrayIcon() {
    if (ScriptedTrayState& t = tray(); t.events) t.events->onTrayActivated();
}

std::unique_ptr<FormView> ScriptedRuntime::createForm(const FormDesign& design,
                                                      FormEvents& events) {
    auto state = std::make_shared<ScriptedWindowState>();
    state->name = design.name;
    state->hwnd = nextHandle_;
    nextHandle_ += 0x10;
    state->sink = std::make_unique<EventSink>(events);
    state->caption = design.caption;
    state->keyboardFocus = design.keyboardFocus;
    state->backColor = 0xF0F0F0;  // the usual system colour for window backgrounds
    state->width = design.clientWidth;
    state->height = design.clientHeight;
    for (const auto& control : design.controls) {
        ScriptedControlState c;
        c.design = control;
        c.text = control.caption;
        c.fontSize = control.font ? control.font->points : 0;
        c.enabled = control.enabled;
        state->controls.emplace(control.name, c);
    }
    windows_.push_back(state);
    return std::make_unique<ScriptedForm>(*this, state);
}

int ScriptedRuntime::msgBox(const std::string& prompt, int style, const std::string& title) {
    messageBoxes.push_back({prompt, style, title});
    if (whileMessageBoxOpen) whileMessageBoxOpen(messageBoxes.back());
    if (!pressedButtons.empty()) {
        const std::string label = pressedButtons.front();
        pressedButtons.pop_front();
        for (const MessageButton& b : messageBoxLayout(style).buttons)
            if (b.label == label) return b.answer;
        throw RuntimeError(ErrorCode::InvalidProcedureCall, "the box has no button " + label);
    }
    if (answers.empty()) return (style & 0xF) == vbYesNoCancel ? vbNo : vbOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

bool ScriptedRuntime::claimInstance(const std::string& key, InstanceRequests requests) {
    claimedKeys.push_back(key);
    if (failingOperations.count("claimInstance"))
        throw RuntimeError(ErrorCode::PathFileAccess, "claimInstance failed (test)");
    if (heldElsewhere.count(key)) {
        showRequestsSent.push_back(key);
        return false;
    }
    requestHandlers = std::move(requests);
    return true;
}

bool ScriptedRuntime::watchFolder(const std::string& folder, std::function<void()> changed) {
    watchedFolders.push_back(folder);
    if (foldersWatchable) folderChanged = std::move(changed);
    return foldersWatchable;
}

Version ScriptedRuntime::version() const {
    return {TALVORIN_VERSION_MAJOR, TALVORIN_VERSION_MINOR, TALVORIN_VERSION_REVISION};
}

// The French date format: day/month/year.
std::string ScriptedRuntime::dateText(const LocalTime& t) const {
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(t.date.day()),
                  static_cast<unsigned>(t.date.month()), static_cast<int>(t.date.year()));
    return text;
}

void ScriptedRuntime::doEvents() {
    ++doEventsCalls;
    paintShownWindows();
    auto events = std::move(pendingEvents);
    pendingEvents.clear();
    for (auto& event : events) event();
}

void ScriptedRuntime::afterFirstPaint(std::function<void()> step) {
    if (painted)
        step();
    else
        awaitingFirstPaint.push_back(std::move(step));
}

void ScriptedRuntime::paintShownWindows() {
    if (painted ||
        std::none_of(windows_.begin(), windows_.end(), [](const auto& w) { return w->visible; }))
        return;
    painted = true;
    auto steps = std::move(awaitingFirstPaint);
    awaitingFirstPaint.clear();
    for (auto& step : steps) step();
}

void ScriptedRuntime::end() {
    ended = true;
    for (auto& window : windows_) {
        window->visible = false;
        window->sink->detach();
    }
}

ScriptedWindowState& ScriptedRuntime::window(const std::string& name) {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if ((*it)->name == name) return **it;
    throw RuntimeError(ErrorCode::InvalidProcedureCall, "no window " + name);
}

bool ScriptedRuntime::hasWindow(const std::string& name) const {
    for (const auto& w : windows_)
        if (w->name == name) return true;
    return false;
}

ScriptedWindowState* ScriptedRuntime::windowByHandle(Hwnd hwnd) {
    for (auto& w : windows_)
        if (w->hwnd == hwnd && w->loadedView) return w.get();
    return nullptr;
}

int ScriptedRuntime::windowsCreated(const std::string& name) const {
    int n = 0;
    for (const auto& w : windows_) n += w->name == name;
    return n;
}

void ScriptedRuntime::click(const std::string& form, const std::string& control) {
    ScriptedWindowState& w = window(form);
    const auto found = w.controls.find(control);
    if (found != w.controls.end() && found->second.design.kind != ControlKind::Label) {
        w.sink->deliver([&](FormEvents& e) { e.onClick(control); });
        return;
    }
    PixelPoint at{1, 1};  // the surface: a corner no control of the designs covers
    if (found != w.controls.end()) {
        // The middle of the part of the label the window shows.
        const PixelRect r = pixelRect(found->second.design, 96);
        const int32_t right = std::min(r.left + r.width, pixelsFromTwips(w.width, 96));
        const int32_t bottom = std::min(r.top + r.height, pixelsFromTwips(w.height, 96));
        at = {(r.left + right) / 2, (r.top + bottom) / 2};
    }
    const PixelPoint origin{pixelsFromTwips(w.left, 96), pixelsFromTwips(w.top, 96)};
    const PixelPoint screen{origin.x + at.x, origin.y + at.y};
    press(form, screen);
    release(form, screen);
}

PointerEvent ScriptedRuntime::pointerEvent(ScriptedWindowState& w, PixelPoint screen) const {
    const PixelPoint origin{pixelsFromTwips(w.left, 96), pixelsFromTwips(w.top, 96)};
    const PixelPoint client{screen.x - origin.x, screen.y - origin.y};
    const bool inside = client.x >= 0 && client.y >= 0 && client.x < pixelsFromTwips(w.width, 96) &&
                        client.y < pixelsFromTwips(w.height, 96);
    return PointerEvent{screen, client, origin, 96, inside};
}

void ScriptedRuntime::press(const std::string& form, PixelPoint screen) {
    ScriptedWindowState& w = window(form);
    const PointerEvent event = pointerEvent(w, screen);
    w.sink->deliver([&](FormEvents& e) { e.onPointerPress(event); });
}

void ScriptedRuntime::movePointer(const std::string& form, PixelPoint screen) {
    ScriptedWindowState& w = window(form);
    const PointerEvent event = pointerEvent(w, screen);
    w.sink->deliver([&](FormEvents& e) { e.onPointerMove(event); });
}

void ScriptedRuntime::release(const std::string& form, PixelPoint screen) {
    ScriptedWindowState& w = window(form);
    const PointerEvent event = pointerEvent(w, screen);
    w.sink->deliver([&](FormEvents& e) { e.onPointerRelease(event); });
}

void ScriptedRuntime::tick(const std::string& form, const std::string& timer) {
    ScriptedWindowState& w = window(form);
    if (w.controls.at(timer).enabled) w.sink->deliver([&](FormEvents& e) { e.onTimer(timer); });
}

void ScriptedRuntime::elapse(std::chrono::milliseconds duration) {
    const auto from = elapsed_;
    elapsed_ += duration;
    // A copy: a tick's handler may open another window.
    const auto windows = windows_;
    for (const auto& w : windows)
        for (auto& [name, c] : w->controls) {
            if (c.design.kind != ControlKind::Timer || c.design.intervalMs <= 0) continue;
            const std::string& timer = name;
            const auto boundaries =
                elapsed_.count() / c.design.intervalMs - from.count() / c.design.intervalMs;
            for (auto i = boundaries; i > 0 && c.enabled; --i)
                w->sink->deliver([&timer](FormEvents& e) { e.onTimer(timer); });
        }
}

void ScriptedRuntime::pressKey(const std::string& form, Key key) {
    ScriptedWindowState& w = window(form);
    if (w.keyboardFocus) w.sink->deliver([&](FormEvents& e) { e.onKey(key); });
}

void ScriptedRuntime::closeByUser(const std::string& form) {
    ScriptedWindowState& w = window(form);
    if (!w.sink->attached()) return;
    w.visible = false;
    w.sink->deliver([](FormEvents& e) { e.onClosed(); });
    w.sink->detach();
}

void ScriptedRuntime::type(const std::string& form, const std::string& box,
                           const std::string& text) {
    window(form).controls.at(box).text = text;
}

void ScriptedRuntime::setCheck(const std::string& form, const std::string& box, int value) {
    window(form).controls.at(box).value = value;
}

void ScriptedRuntime::displayChanged(const std::string& form) {
    window(form).sink->deliver([](FormEvents& e) { e.onDisplayChanged(); });
}

void ScriptedRuntime::moveByUser(const std::string& form, double top, double left) {
    ScriptedWindowState& w = window(form);
    w.top = top;
    w.left = left;
}

}  // namespace talvorin
