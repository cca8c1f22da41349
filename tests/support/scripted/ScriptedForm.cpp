#include "ScriptedForm.h"

#include <sstream>

#include "base/Error.h"
#include "base/Twips.h"

namespace talvorin {

// One object serves as any kind of control; the form hands out the face that
// matches the control's designed kind.
class ScriptedForm::Control final : public Label, public TextBox, public CheckBox, public Timer {
  public:
    Control(ScriptedForm& form, ScriptedControlState& state) : form_(form), state_(state) {}

    void setCaption(const std::string& text) override {
        form_.operation("setCaption " + state_.design.name);
        state_.text = text;
    }
    void setFontSize(double points) override {
        form_.operation("setFontSize");
        state_.fontSize = points;
    }
    // Half an em a byte: enough for the layout's arithmetic to show.
    double textWidth(const std::string& text, double points) const override {
        return static_cast<double>(text.size()) * points * kTwipsPerPoint / 2;
    }
    std::string text() const override { return state_.text; }
    void setText(const std::string& text) override { state_.text = text; }
    int value() const override { return state_.value; }
    void setValue(int value) override {
        if (value != 0 && value != 1)
            throw RuntimeError(ErrorCode::InvalidPropertyValue, "check box value must be 0 or 1");
        state_.value = value;
    }
    bool enabled() const override { return state_.enabled; }
    void setEnabled(bool on) override { state_.enabled = on; }
    ControlKind kind() const { return state_.design.kind; }

  private:
    ScriptedForm& form_;
    ScriptedControlState& state_;
};

ScriptedForm::ScriptedForm(ScriptedRuntime& runtime, std::shared_ptr<ScriptedWindowState> state)
    : runtime_(runtime), state_(std::move(state)) {
    for (auto& [name, control] : state_->controls)
        controls_.emplace(name, std::make_unique<Control>(*this, control));
}

ScriptedForm::~ScriptedForm() {
    state_->loadedView = false;
    state_->visible = false;
    state_->sink->detach();
}

void ScriptedForm::requireLoaded() const {
    if (unloaded_) throw RuntimeError(ErrorCode::InvalidProcedureCall, "form is unloaded");
}

void ScriptedForm::operation(const std::string& what) const {
    requireLoaded();
    const std::string name = what.substr(0, what.find(' '));
    if (runtime_.failingOperations.count(name))
        throw RuntimeError(ErrorCode::InvalidPropertyValue, "refused: " + what);
    state_->operations.push_back(what);
}

void ScriptedForm::setCaption(const std::string& text) {
    operation("setCaption");
    state_->caption = text;
}

uint32_t ScriptedForm::backColor() const {
    requireLoaded();
    return state_->backColor;
}

void ScriptedForm::setBackColor(uint32_t rgb) {
    operation("setBackColor");
    state_->backColor = rgb;
}

Hwnd ScriptedForm::hWnd() const {
    requireLoaded();
    return state_->hwnd;
}

double ScriptedForm::top() const {
    requireLoaded();
    return runtime_.reportedPosition(state_->top);
}

double ScriptedForm::left() const {
    requireLoaded();
    return runtime_.reportedPosition(state_->left);
}

namespace {
std::string withValue(const char* name, double value) {
    std::ostringstream out;
    out << name << ' ' << value;
    return out.str();
}
}  // namespace

void ScriptedForm::setTop(double twips) {
    operation(withValue("setTop", twips));
    state_->top = twips;
}

void ScriptedForm::setLeft(double twips) {
    operation(withValue("setLeft", twips));
    state_->left = twips;
}

void ScriptedForm::setWidth(double twips) {
    operation(withValue("setWidth", twips));
    state_->width = twips;
}

void ScriptedForm::setHeight(double twips) {
    operation(withValue("setHeight", twips));
    state_->height = twips;
}

void ScriptedForm::show() {
    operation("show");
    state_->visible = true;
}

void ScriptedForm::activate() {
    operation("activate");
    state_->visible = true;
    state_->active = true;
}

void ScriptedForm::hide() {
    operation("hide");
    state_->visible = false;
}

void ScriptedForm::unload() {
    operation("unload");
    unloaded_ = true;
    state_->visible = false;
    state_->sink->detach();
}

void ScriptedForm::dragTo(PixelPoint topLeft) {
    operation("dragTo");
    state_->left = twipsFromPixels(topLeft.x, runtime_.positionDpi_);
    state_->top = twipsFromPixels(topLeft.y, runtime_.positionDpi_);
}

PixelRect ScriptedForm::frame() const {
    requireLoaded();
    const double dpi = runtime_.positionDpi_;
    return PixelRect{pixelsFromTwips(state_->left, dpi), pixelsFromTwips(state_->top, dpi),
                     pixelsFromTwips(state_->width, dpi), pixelsFromTwips(state_->height, dpi)};
}

ScriptedForm::Control& ScriptedForm::control(std::string_view name, ControlKind kind) {
    requireLoaded();
    const auto found = controls_.find(name);
    if (found == controls_.end() || found->second->kind() != kind)
        throw RuntimeError(ErrorCode::InvalidProcedureCall, "no control " + std::string(name));
    return *found->second;
}

Label& ScriptedForm::label(std::string_view name) {
    return control(name, ControlKind::Label);
}

TextBox& ScriptedForm::textBox(std::string_view name) {
    return control(name, ControlKind::TextBox);
}

CheckBox& ScriptedForm::checkBox(std::string_view name) {
    return control(name, ControlKind::CheckBox);
}

Timer& ScriptedForm::timer(std::string_view name) {
    return control(name, ControlKind::Timer);
}

}  // namespace talvorin
