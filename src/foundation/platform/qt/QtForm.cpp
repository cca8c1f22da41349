#include "platform/qt/QtForm.h"

#include <QScreen>

#include "base/Error.h"
#include "base/Twips.h"

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

// For a top-level widget pos() is the outer frame's place on the screen, as
// the window system last reported it.
double QtForm::top() const {
    return twipsFromPixels(alive().pos().y(), dpi());
}

double QtForm::left() const {
    return twipsFromPixels(alive().pos().x(), dpi());
}

void QtForm::setTop(double twips) {
    FormWindow& w = alive();
    w.move(w.pos().x(), pixels(twips));
}

void QtForm::setLeft(double twips) {
    FormWindow& w = alive();
    w.move(pixels(twips), w.pos().y());
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
    alive().move(topLeft.x, topLeft.y);
}

void QtForm::show() {
    FormWindow& w = alive();
    if (!w.isVisible()) w.prepareToMap();
    if (!focusPlaced_ && widgets_.firstInTabOrder) widgets_.firstInTabOrder->setFocus();
    focusPlaced_ = true;
    w.show();
    w.raise();
    w.activateWindow();
}

void QtForm::activate() {
    FormWindow& w = alive();
    // show() leaves an iconified window where it is.
    if (w.isMinimized()) w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    show();
    w.setFocus(Qt::OtherFocusReason);
}

void QtForm::hide() {
    alive().hide();
}

void QtForm::unload() {
    release();
}

Label& QtForm::label(std::string_view name) {
    return find(labels_, name, "label");
}

TextBox& QtForm::textBox(std::string_view name) {
    return find(textBoxes_, name, "text box");
}

CheckBox& QtForm::checkBox(std::string_view name) {
    return find(checkBoxes_, name, "check box");
}

Timer& QtForm::timer(std::string_view name) {
    return find(timers_, name, "timer");
}

}  // namespace talvorin
