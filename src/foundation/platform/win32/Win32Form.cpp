#include "platform/win32/Win32Form.h"

#include <algorithm>
#include <utility>

#include "base/Error.h"
#include "base/Twips.h"
#include "platform/ControlOrder.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Runtime.h"
#include "platform/win32/WindowNames.h"

namespace talvorin::win32 {

namespace {

inline constexpr int kIconId = 1;

bool sizable(const FormDesign& design) {
    return design.frame == FormFrame::Sizable;
}

bool onlyFormPaintedLabels(const FormDesign& design) {
    return std::all_of(design.controls.begin(), design.controls.end(), [](const auto& c) {
        return c.kind == ControlKind::Timer || (c.kind == ControlKind::Label && c.transparent);
    });
}

}  // namespace

void Win32Form::registerClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON),
                                             GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
}

Win32Form::Win32Form(Win32Runtime& runtime, const FormDesign& design, FormEvents& events)
    : runtime_(runtime),
      design_(design),
      sink_(events),
      backColor_(GetSysColor(COLOR_BTNFACE)),  // the forms runtime's window background
      backBrush_(CreateSolidBrush(backColor_)) {
    createWindow();
    createControls();
    runtime_.formCreated(hwnd_, std::any_of(controls_.begin(), controls_.end(),
                                            [](const auto& c) { return c->focusable(); }));
    if (design_.visibleOnShowDesktop) runtime_.keepOnShownDesktop(hwnd_);
}

Win32Form::~Win32Form() {
    sink_.detach();
    for (auto& t : timers_) t->detach();
    if (hwnd_) {
        HWND hwnd = hwnd_;
        forgetWindow();
        DestroyWindow(hwnd);
    }
}

void Win32Form::forgetWindow() {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    runtime_.formGone(hwnd_);
    hwnd_ = nullptr;
}

void Win32Form::createWindow() {
    if (sizable(design_)) {
        style_ = WS_OVERLAPPEDWINDOW;
        exStyle_ = 0;
    } else {
        style_ = WS_POPUP;
        exStyle_ = WS_EX_TOOLWINDOW;  // no task-bar button
    }
    // The form draws its transparent labels itself, under their windows; a
    // form with any other control leaves that control's area to it.
    if (!onlyFormPaintedLabels(design_)) style_ |= WS_CLIPCHILDREN;
    // NOTE: Windows places only overlapped windows at its default position;
    // a popup created with CW_USEDEFAULT lands at 0,0. So the window is
    // created overlapped, where Windows would put it, then loses its frame.
    hwnd_ =
        CreateWindowExW(exStyle_, kFormClass, widen(design_.caption).c_str(),
                        WS_OVERLAPPED | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, runtime_.instance(), this);
    if (!hwnd_)
        throw RuntimeError(ErrorCode::InvalidProcedureCall, "cannot create " + design_.name);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style_));

    dpi_ = dpiForWindow(hwnd_);
    LOGFONTW font = messageFont(dpi_);
    messageFont_.reset(CreateFontIndirectW(&font));
    const RECT client{0, 0, pixelsFromTwips(design_.clientWidth, dpi_),
                      pixelsFromTwips(design_.clientHeight, dpi_)};
    const RECT outer = outerRectForClient(client, style_, exStyle_, dpi_);
    // The new style and the designed size in one move: each move of a
    // window is a round of messages (and under Wine, of server requests).
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

FormMetrics Win32Form::metrics() const {
    return FormMetrics{dpi_, messageFont(dpi_), messageFont_.get()};
}

void Win32Form::createControls() {
    // Windows moves the focus with Tab in creation order, so the controls are
    // created in tab order, each naming label just before its field for screen
    // readers; the design order is kept for drawing and lookup.
    for (size_t i = 0; i < design_.controls.size(); ++i) {
        const ControlDesign& c = design_.controls[i];
        const int id = controlId(i);
        switch (c.kind) {
            case ControlKind::Timer:
                timers_.push_back(std::make_unique<FormTimer>(hwnd_, id, c));
                continue;
            case ControlKind::Label: {
                auto label = std::make_unique<FormLabel>(c, id, runtime_.fontFaces());
                labels_.push_back(label.get());
                controls_.push_back(std::move(label));
                break;
            }
            case ControlKind::TextBox:
                controls_.push_back(std::make_unique<EditBox>(c, id));
                break;
            case ControlKind::CheckBox:
                controls_.push_back(std::make_unique<CheckButton>(c, id));
                break;
            case ControlKind::Button:
                controls_.push_back(std::make_unique<PushButton>(c, id));
                break;
        }
    }
    std::vector<const ControlDesign*> designs;
    for (const auto& control : controls_) designs.push_back(&control->design());
    const FormMetrics m = metrics();
    for (size_t index : creationOrder(designs))
        controls_[index]->create(hwnd_, runtime_.instance(), m);
}

void Win32Form::applyDpi(UINT dpi) {
    dpi_ = dpi;
    LOGFONTW font = messageFont(dpi_);
    ScopedFont old = std::move(messageFont_);
    messageFont_.reset(CreateFontIndirectW(&font));
    const FormMetrics m = metrics();
    for (auto& c : controls_) c->applyDpi(m);
    old.reset();  // only now no control uses it any more
    InvalidateRect(hwnd_, nullptr, FALSE);
}

// --- Geometry ----------------------------------------------------------------

HWND Win32Form::live() const {
    if (unloaded_ || !hwnd_)
        throw RuntimeError(ErrorCode::InvalidProcedureCall, design_.name + " is unloaded");
    return hwnd_;
}

RECT Win32Form::windowRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
}

void Win32Form::moveTo(int x, int y) {
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::resizeTo(int width, int height) {
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Positions go through the system DPI on every monitor, sizes through the
// window's own monitor's: a position saved on a monitor of another DPI then
// reopens at the same place.
double Win32Form::top() const {
    live();
    return top_.twipsAt(windowRect().top, runtime_.positionDpi());
}
double Win32Form::left() const {
    live();
    return left_.twipsAt(windowRect().left, runtime_.positionDpi());
}

void Win32Form::setTop(double twips) {
    live();
    moveTo(windowRect().left, top_.place(twips, runtime_.positionDpi()));
}
void Win32Form::setLeft(double twips) {
    live();
    moveTo(left_.place(twips, runtime_.positionDpi()), windowRect().top);
}

void Win32Form::dragTo(PixelPoint topLeft) {
    live();
    moveTo(windowSystemCoordinate(topLeft.x), windowSystemCoordinate(topLeft.y));
}

PixelRect Win32Form::frame() const {
    live();
    const RECT r = windowRect();
    return PixelRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32Form::setWidth(double twips) {
    live();
    const RECT r = windowRect();
    resizeTo(pixelsFromTwips(twips, dpi_), r.bottom - r.top);
}

void Win32Form::setHeight(double twips) {
    live();
    const RECT r = windowRect();
    resizeTo(r.right - r.left, pixelsFromTwips(twips, dpi_));
}

// --- Appearance and life -----------------------------------------------------

void Win32Form::setCaption(const std::string& text) {
    SetWindowTextW(live(), widen(text).c_str());
}

void Win32Form::setBackColor(uint32_t rgb) {
    live();
    backColor_ = rgb;
    backBrush_.reset(CreateSolidBrush(static_cast<COLORREF>(rgb)));  // packed RGB is a COLORREF
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Form::show() {
    live();
    if (IsWindowVisible(hwnd_)) {
        if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
        SetForegroundWindow(hwnd_);
        return;
    }
    ShowWindow(hwnd_, SW_SHOW);
    if (shownOnce_) return;
    shownOnce_ = true;
    // Painted now, before whatever the program starts next (the tray icon,
    // with its calls to the shell): the first frame comes first.
    UpdateWindow(hwnd_);
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) {
            SetFocus(child);
            break;
        }
}

void Win32Form::activate() {
    show();
    // The foreground alone does not raise a window the shell's menu left
    // behind another of the program's own.
    BringWindowToTop(hwnd_);
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
}

void Win32Form::hide() {
    ShowWindow(live(), SW_HIDE);
}

void Win32Form::unload() {
    // No event may follow: the timers stop now, the window goes with this object.
    for (auto& t : timers_) t->setEnabled(false);
    ShowWindow(live(), SW_HIDE);
    sink_.detach();
    unloaded_ = true;
}

// --- Controls by name --------------------------------------------------------

FormControl* Win32Form::find(std::string_view name) const {
    live();
    for (const auto& c : controls_)
        if (c->design().name == name) return c.get();
    return nullptr;
}

void Win32Form::unknownControl(std::string_view name) const {
    throw RuntimeError(ErrorCode::InvalidProcedureCall,
                       design_.name + " has no control " + std::string(name));
}

Label& Win32Form::label(std::string_view name) {
    if (auto* c = dynamic_cast<FormLabel*>(find(name))) return *c;
    unknownControl(name);
}

TextBox& Win32Form::textBox(std::string_view name) {
    if (auto* c = dynamic_cast<EditBox*>(find(name))) return *c;
    unknownControl(name);
}

CheckBox& Win32Form::checkBox(std::string_view name) {
    if (auto* c = dynamic_cast<CheckButton*>(find(name))) return *c;
    unknownControl(name);
}

Timer& Win32Form::timer(std::string_view name) {
    live();
    for (const auto& t : timers_)
        if (t->name() == name) return *t;
    unknownControl(name);
}

}  // namespace talvorin::win32
