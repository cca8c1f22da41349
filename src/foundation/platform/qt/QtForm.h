// One form as the core sees it, over a FormWindow. The window is built hidden
// from the design; sizes and positions go through the screen's DPI; the view
// can be dropped from inside the window's own events, so the widgets are
// always freed later, never here.
#pragma once

#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "base/WindowPosition.h"
#include "platform/Form.h"
#include "platform/qt/FormWidgets.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtControls.h"
#include "platform/qt/QtTimer.h"

namespace talvorin {

class ClockChangeWatcher;

class QtForm final : public FormView {
  public:
    QtForm(const FormDesign& design, FormEvents& events, ClockChangeWatcher& clockChanges);
    ~QtForm() override;

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

    // For the tests: the widget behind the view.
    FormWindow* window() const { return window_; }

  private:
    FormWindow& alive() const;
    double dpi() const;
    int pixels(double twips) const;
    void release() noexcept;

    QPointer<FormWindow> window_;
    FormWidgets widgets_;
    std::map<std::string, std::unique_ptr<QtLabel>, std::less<>> labels_;
    std::map<std::string, std::unique_ptr<QtTextBox>, std::less<>> textBoxes_;
    std::map<std::string, std::unique_ptr<QtCheckBox>, std::less<>> checkBoxes_;
    std::map<std::string, std::unique_ptr<QtTimer>, std::less<>> timers_;
    bool focusPlaced_ = false;
    TwipsPosition top_;
    TwipsPosition left_;
};

}  // namespace talvorin
