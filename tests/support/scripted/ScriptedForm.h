// The headless window: a view over a ScriptedWindowState record.
#pragma once

#include <memory>

#include "ScriptedRuntime.h"

namespace talvorin {

class ScriptedForm final : public FormView {
  public:
    ScriptedForm(ScriptedRuntime& runtime, std::shared_ptr<ScriptedWindowState> state);
    ~ScriptedForm() override;

    void setCaption(const std::string& text) override;
    uint32_t backColor() const override;
    void setBackColor(uint32_t rgb) override;
    Hwnd hWnd() const override;
    double top() const override;
    double left() const override;
    void setTop(double twips) override;
    void setLeft(double twips) override;
    void setWidth(double twips) override;
    void setHeight(double twips) override;
    void dragTo(PixelPoint topLeft) override;
    PixelRect frame() const override;
    void show() override;
    void hide() override;
    void activate() override;
    void unload() override;
    Label& label(std::string_view name) override;
    TextBox& textBox(std::string_view name) override;
    CheckBox& checkBox(std::string_view name) override;
    Timer& timer(std::string_view name) override;

  private:
    class Control;
    void requireLoaded() const;
    void operation(const std::string& what) const;
    Control& control(std::string_view name, ControlKind kind);

    ScriptedRuntime& runtime_;
    std::shared_ptr<ScriptedWindowState> state_;
    bool unloaded_ = false;
    std::map<std::string, std::unique_ptr<Control>, std::less<>> controls_;
};

}  // namespace talvorin
