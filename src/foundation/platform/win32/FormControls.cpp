#include "platform/win32/FormControls.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/Error.h"
#include "base/Twips.h"
#include "platform/ControlGeometry.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowNames.h"
#include "platform/win32/WindowRect.h"

namespace talvorin::win32 {

namespace {

// The metrics of `font` on the screen; all zero when they cannot be measured.
TEXTMETRICW measuredMetrics(HFONT font) {
    const WindowDC screen(nullptr);
    const SelectedObject measured(screen.get(), font);
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(screen.get(), &metrics)) metrics = TEXTMETRICW{};
    return metrics;
}

// A TrueType face drawn narrower than designed: the same height, each
// character's width scaled (lfWidth is the average character width).
ScopedFont createCondensed(LOGFONTW lf, double widthScale) {
    ScopedFont font(CreateFontIndirectW(&lf));
    if (widthScale == 1.0 || !font) return font;
    const TEXTMETRICW metrics = measuredMetrics(font.get());
    if (metrics.tmAveCharWidth <= 0) return font;
    lf.lfWidth = std::max<LONG>(1, std::lround(metrics.tmAveCharWidth * widthScale));
    font.reset(CreateFontIndirectW(&lf));
    return font;
}

LONG fontHeight(double points, UINT dpi) {
    return -std::max<LONG>(1, pixelsFromPoints(std::max(points, kSmallestFontPoints), dpi));
}

}  // namespace

// --- FormControl -------------------------------------------------------------

bool FormControl::focusable() const {
    return (style() & WS_TABSTOP) != 0;
}

RECT FormControl::pixelRect(UINT dpi) const {
    const PixelRect r = talvorin::pixelRect(design_, dpi);
    return RECT{r.left, r.top, r.left + r.width, r.top + r.height};
}

std::wstring FormControl::initialText() const {
    return widen(design_.caption);
}

void FormControl::create(HWND parent, HINSTANCE instance, const FormMetrics& metrics) {
    placed_ = placeIn(parent, metrics.dpi);
    const RECT& r = placed_;
    hwnd_ = CreateWindowExW(exStyle(), windowClass(), initialText().c_str(),
                            WS_CHILD | WS_VISIBLE | style(), r.left, r.top, r.right - r.left,
                            r.bottom - r.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), instance,
                            const_cast<void*>(createParam()));
    if (!hwnd_)
        throw RuntimeError(ErrorCode::InvalidProcedureCall,
                           "cannot create the control " + design_.name);
    applyDpi(metrics);
}

RECT FormControl::placeIn(HWND, UINT dpi) const {
    return pixelRect(dpi);
}

void FormControl::place(const RECT& r) {
    if (EqualRect(&r, &placed_)) return;
    placed_ = r;
    moveWindowTo(hwnd_, r);
}

void FormControl::applyDpi(const FormMetrics& metrics) {
    place(placeIn(GetParent(hwnd_), metrics.dpi));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(metrics.messageFontHandle), TRUE);
}

// --- FormLabel ---------------------------------------------------------------

FormLabel::FormLabel(const ControlDesign& design, int id, FontFaces& faces)
    : FormControl(design, id), faces_(faces), text_(widen(design.caption)) {
    if (design.font && design.font->points > 0) points_ = design.font->points;
}

FormLabel::~FormLabel() {
    // A window outliving its label reads no freed text.
    if (paintedByForm() && hwnd_ && IsWindow(hwnd_)) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

const wchar_t* FormLabel::windowClass() const {
    return paintedByForm() ? kLabelClass : L"STATIC";
}

DWORD FormLabel::style() const {
    if (paintedByForm()) return WS_CLIPSIBLINGS;
    return design().align == TextAlign::Right ? SS_RIGHT : SS_LEFT;
}

std::wstring FormLabel::initialText() const {
    return text_;
}

std::optional<COLORREF> FormLabel::textColor() const {
    if (!design().foreColor) return std::nullopt;
    return static_cast<COLORREF>(*design().foreColor);  // packed RGB is a COLORREF
}

void FormLabel::setCaption(const std::string& text) {
    std::wstring wide = widen(text);
    // Each new caption is also an accessibility event: only real changes.
    if (wide == text_) return;
    text_ = std::move(wide);
    if (!hwnd_) return;
    if (paintedByForm()) {
        // Its window reads the text from here: no copy for the system to
        // keep, which under Wine was a request to its server every second.
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_WINDOW, CHILDID_SELF);
    } else {
        SetWindowTextW(hwnd_, text_.c_str());
    }
    redraw();
}

void FormLabel::setFontSize(double points) {
    points_ = points;
    rebuildFont();
    redraw();
}

void FormLabel::applyDpi(const FormMetrics& metrics) {
    metrics_ = metrics;
    rebuildFont();
    fitToForm();
    redraw();
}

RECT FormLabel::placeIn(HWND parent, UINT dpi) const {
    // A designed label may reach far past its form (the clock's time label
    // is made for the widest digits): its window, the box screen readers
    // show, covers only what can be seen of it.
    RECT r = pixelRect(dpi);
    RECT client{};
    if (parent && GetClientRect(parent, &client)) IntersectRect(&r, &r, &client);
    return r;
}

void FormLabel::fitToForm() {
    if (hwnd_) place(placeIn(GetParent(hwnd_), metrics_.dpi));
}

ScopedFont FormLabel::fontAt(std::optional<double> points) const {
    const auto& designed = design().font;
    LOGFONTW lf = metrics_.messageFont;
    double widthScale = 1.0;
    if (designed) {
        lf = LOGFONTW{};
        lf.lfWeight = designed->weight;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfOutPrecision = OUT_TT_PRECIS;
        const ResolvedFace face = faces_.resolve(*designed);
        lstrcpynW(lf.lfFaceName, face.face.c_str(), LF_FACESIZE);
        widthScale = face.widthScale;
    }
    if (points) lf.lfHeight = fontHeight(*points, metrics_.dpi);
    return createCondensed(lf, widthScale);
}

double FormLabel::textWidth(const std::string& text, double points) const {
    const ScopedFont measured = fontAt(points);
    HDC dc = GetDC(hwnd_);
    if (!dc)
        throw RuntimeError(ErrorCode::InvalidProcedureCall, "no device context to measure text");
    RECT r{0, 0, 0, 0};
    {
        const SelectedObject chosen(dc, measured.get());
        // Measured the way draw() draws, with the same fallbacks for characters
        // the face does not have.
        const std::wstring wide = widen(text);
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | DT_LEFT | DT_TOP);
    }
    ReleaseDC(hwnd_, dc);
    return (r.right - r.left) * twipsPerPixel(metrics_.dpi);
}

void FormLabel::rebuildFont() {
    if (!hwnd_) return;
    // The old font goes only after the control has the new one.
    const ScopedFont old = std::move(ownFont_);
    if (design().font || points_) ownFont_ = fontAt(points_);
    if (!paintedByForm()) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
}

void FormLabel::redraw() const {
    if (!hwnd_ || !paintedByForm()) return;
    // The form draws every text in one paint; only its area under the label
    // repaints (the label windows themselves never paint).
    // (The form has no WS_CLIPCHILDREN, so a plain InvalidateRect would
    // reach the label windows too.)
    HWND form = GetParent(hwnd_);
    if (!IsWindowVisible(form)) return;  // showing paints the whole form
    const RECT r = placed();
    RedrawWindow(form, &r, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

void FormLabel::draw(HDC dc) const {
    RECT r = pixelRect(metrics_.dpi);
    const SelectedObject chosen(dc, font());
    SetTextColor(dc, textColor().value_or(GetSysColor(COLOR_BTNTEXT)));
    SetBkMode(dc, TRANSPARENT);
    const UINT align = design().align == TextAlign::Right ? DT_RIGHT : DT_LEFT;
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r, align | DT_TOP | DT_WORDBREAK);
}

// --- EditBox -----------------------------------------------------------------

DWORD EditBox::style() const {
    return WS_TABSTOP | ES_AUTOHSCROLL | (design().align == TextAlign::Right ? ES_RIGHT : ES_LEFT);
}

std::string EditBox::text() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return narrow(text);
}

void EditBox::setText(const std::string& text) {
    SetWindowTextW(hwnd_, widen(text).c_str());
}

// --- CheckButton -------------------------------------------------------------

int CheckButton::value() const {
    return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void CheckButton::setValue(int value) {
    if (value != 0 && value != 1)
        throw RuntimeError(ErrorCode::InvalidPropertyValue, "check box value must be 0 or 1");
    SendMessageW(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace talvorin::win32
