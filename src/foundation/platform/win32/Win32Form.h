// One form as a top-level window. It applies the design (frame, client size,
// controls at their twips positions at the monitor's real DPI, tab order),
// draws the labels with transparent backgrounds itself, and turns Windows
// messages into the core's events: clicks by control name, timer ticks and
// the close of the frame. It decides nothing the core decides.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "base/WindowPosition.h"
#include "platform/Design.h"
#include "platform/EventSink.h"
#include "platform/Form.h"
#include "platform/win32/FormControls.h"
#include "platform/win32/FormTimer.h"
#include "platform/win32/Painting.h"
#include "platform/win32/ScopedWin.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

class Win32Runtime;

class Win32Form final : public FormView {
  public:
    Win32Form(Win32Runtime& runtime, const FormDesign& design, FormEvents& events);
    ~Win32Form() override;
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    static void registerClass(HINSTANCE instance);

    void setCaption(const std::string& text) override;
    uint32_t backColor() const override { return live(), backColor_; }
    void setBackColor(uint32_t rgb) override;
    Hwnd hWnd() const override { return reinterpret_cast<Hwnd>(live()); }

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
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Building (Win32Form.cpp)
    void createWindow();
    void createControls();
    FormMetrics metrics() const;
    void applyDpi(UINT dpi);
    RECT windowRect() const;
    void moveTo(int x, int y);
    void resizeTo(int width, int height);
    FormControl* find(std::string_view name) const;
    [[noreturn]] void unknownControl(std::string_view name) const;

    // Messages (FormMessages.cpp)
    void paintScene(HDC dc) const;
    LRESULT colorControl(HDC dc, HWND control);
    PointerEvent pointerEvent() const;
    void onButtonDown();
    void onMouseMove();
    void onButtonUp();
    LRESULT onTimer(UINT_PTR id);
    LRESULT onClockChanged();
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onActivate(WPARAM wParam);
    void onDpiChanged(UINT dpi, const RECT& suggested);
    // False once the core has let go of the form.
    bool onDisplayChanged();
    // Raises InvalidProcedureCall once the form is unloaded.
    HWND live() const;
    void forgetWindow();

    Win32Runtime& runtime_;
    FormDesign design_;
    EventSink sink_;
    HWND hwnd_ = nullptr;
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    UINT dpi_ = 96;
    uint32_t backColor_;
    ScopedBrush backBrush_;
    ScopedFont messageFont_;
    BackBuffer buffer_;
    std::vector<std::unique_ptr<FormControl>> controls_;  // design order
    std::vector<FormLabel*> labels_;                      // design order
    std::vector<std::unique_ptr<FormTimer>> timers_;
    bool pressed_ = false;      // a button press began on this form's surface
    bool pointerOver_ = false;  // WM_MOUSELEAVE asked for, not yet come
    bool unloaded_ = false;
    bool shownOnce_ = false;
    HWND lastFocus_ = nullptr;
    TwipsPosition top_;
    TwipsPosition left_;
};

}  // namespace talvorin::win32
