#include "platform/qt/QtForm.h"

#include <QScreen>
#include <QWindow>

#include "base/Error.h"
#include "base/Twips.h"
#include "platform/qt/QtScreens.h"

namespace talvorin {

namespace {

template <typename Map>
auto& find(Map& map, std::string_view name, const char* kind) {
    const auto it = map.find(name);
    if (it == map.end())
        throw RuntimeError(ErrorCode::InvalidProcedureCall,
                           std::string("no ") + kind + " named " + std::string(name));
    return *it->second;
}

}  // namespace

QtForm::QtForm(const FormDesign& design, FormEvents& events, ClockChangeWatcher& clockChanges)
    : window_(new FormWindow(design, events)) {
    window_->setWindowTitle(QString::fromStdString(design.caption));
    window_->resize(pixels(design.clientWidth), pixels(design.clientHeight));
    widgets_ = buildWidgets(*window_, dpi());
    for (const auto& [name, widget] : widgets_.labels)
        labels_.emplace(name, std::make_unique<QtLabel>(*widget));
    for (const auto& [name, widget] : widgets_.textBoxes)
        textBoxes_.emplace(name, std::make_unique<QtTextBox>(*widget));
    for (const auto& [name, widget] : widgets_.checkBoxes)
        checkBoxes_.emplace(name, std::make_unique<QtCheckBox>(*widget));
    for (const ControlDesign& c : design.controls)
        if (c.kind == ControlKind::Timer)
            timers_.emplace(c.name, std::make_unique<QtTimer>(*window_, c, clockChanges));
}

QtForm::~QtForm() {
    release();
}

void QtForm::release() noexcept {
    timers_.clear();
    if (!window_) return;
    window_->detach();
    window_->hide();
    window_->deleteLater();
    window_ = nullptr;
}

FormWindow& QtForm::alive() const {
    if (!window_) throw RuntimeError(ErrorCode::InvalidProcedureCall, "form is unloaded");
    return *window_;
}

double QtForm::dpi() const {
    return window_ ? window_->dpi() : 0.0;  // 0: Twips assumes 96
}

int QtForm::pixels(double twips) const {
    return pixelsFromTwips(twips, dpi());
}

void QtForm::setCaption(const std::string& text) {
    alive().setWindowTitle(QString::fromStdString(text));
}

uint32_t QtForm::backColor() const {
    return alive().backColor();
}

void QtForm::setBackColor(uint32_t rgb) {
    alive().setBackColor(rgb);
}

Hwnd QtForm::hWnd() const {
    return alive().handle();
}

// Positions go through the primary screen's DPI whatever screen the window
// is on, so they mean the same place on every screen.
double QtForm::top() const {
    return top_.twipsAt(alive().outerTopLeft().y, primaryScreenDpi());
}

double QtForm::left() const {
    return left_.twipsAt(alive().outerTopLeft().x, primaryScreenDpi());
}

void QtForm::setTop(double twips) {
    FormWindow& w = alive();
    w.placeOuter({w.outerTopLeft().x, top_.place(twips, primaryScreenDpi())});
}

void QtForm::setLeft(double twips) {
    FormWindow& w = alive();
    w.placeOuter({left_.place(twips, primaryScreenDpi()), w.outerTopLeft().y});
}

PixelRect QtForm::frame() const {
    FormWindow& w = alive();
    const QRect r = w.frameGeometry();
    const PixelPoint at = w.outerTopLeft();
    return PixelRect{at.x, at.y, r.width(), r.height()};
}

// The core sets outer sizes; the frame's share is known once the window has
// been mapped by the window manager (none for a frameless form).
void QtForm::setWidth(double twips) {
    FormWindow& w = alive();
    const int frame = w.frameGeometry().width() - w.width();
    w.resize(std::max(0, pixels(twips) - frame), w.height());
}

void QtForm::setHeight(double twips) {
    FormWindow& w = alive();
    const int frame = w.frameGeometry().height() - w.height();
    w.resize(w.width(), std::max(0, pixels(twips) - frame));
}

void QtForm::dragTo(PixelPoint topLeft) {
    alive().placeOuter({windowSystemCoordinate(topLeft.x), windowSystemCoordinate(topLeft.y)});
}

void QtForm::show() {
    FormWindow& w = alive();
    // An iconified window is mapped again by leaving the minimized state; a
    // withdraw and a map on top of that race the window manager, which may
    // then leave it withdrawn.
    if (w.isMinimized())
        w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    // Unmapped behind Qt's back (by another client): Qt still counts it
    // visible and would not map it again.
    else if (w.isVisible() && w.windowHandle() && !w.windowHandle()->isExposed())
        w.hide();
    if (!w.isVisible()) w.prepareToMap();
    if (!focusPlaced_ && widgets_.firstInTabOrder) widgets_.firstInTabOrder->setFocus();
    focusPlaced_ = true;
    w.show();
    w.raise();
    w.activateWindow();
}

void QtForm::activate() {
    FormWindow& w = alive();
    show();
    w.setFocus(Qt::OtherFocusReason);
}

void QtForm::hide() {
    alive().hide();
}

void QtForm::unload() {
    release();
}

// The adapters outlive an unload until the view goes, but their controls
// belong to the unloaded form: asking for one is an error, as on Windows.
Label& QtForm::label(std::string_view name) {
    alive();
    return find(labels_, name, "label");
}

TextBox& QtForm::textBox(std::string_view name) {
    alive();
    return find(textBoxes_, name, "text box");
}

CheckBox& QtForm::checkBox(std::string_view name) {
    alive();
    return find(checkBoxes_, name, "check box");
}

Timer& QtForm::timer(std::string_view name) {
    alive();
    return find(timers_, name, "timer");
}

}  // namespace talvorin
