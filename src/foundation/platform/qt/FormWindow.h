// The top-level widget behind one form. It paints the form's background (or
// leaves it transparent under a colour key), turns mouse presses into clicks
// or drags, keeps the window-manager state that the user32 emulation reads
// back, and hands every event to the core through its EventSink, which is
// detached when the core lets go of the view.
#pragma once

#include <QWidget>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Design.h"
#include "platform/EventSink.h"
#include "platform/Form.h"
#include "platform/FramePlacement.h"
#include "platform/User32.h"

namespace talvorin {

class FormWindow final : public QWidget {
    Q_OBJECT

  public:
    FormWindow(const FormDesign& design, FormEvents& events);

    // The form that owns a native handle; nullptr when the handle names no form.
    static FormWindow* fromHandle(Hwnd hwnd);
    Hwnd handle();

    const FormDesign& design() const { return design_; }
    // After this no event reaches the core any more.
    void detach() { sink_.detach(); }
    bool attached() const { return sink_.attached(); }
    void deliverClick(const std::string& control);
    void deliverTimer(const std::string& timer);
    void deliverDisplayChanged();
    double dpi() const;

    uint32_t backColor() const { return backColor_; }
    void setBackColor(uint32_t rgb);

    // State of the user32 emulation, kept per window as Windows keeps it.
    int32_t exStyle() const { return exStyle_; }
    void setExStyle(int32_t style) { exStyle_ = style; }
    std::optional<uint32_t> colorKey() const { return colorKey_; }
    void setColorKey(std::optional<uint32_t> key);
    // The window manager's "above" state; the window is not re-created.
    bool staysOnTop() const { return staysOnTop_; }
    void setStaysOnTop(bool on);
    // The outer frame's top-left as the user sees it, and a move that puts
    // it there, whatever the window manager does with the place asked.
    PixelPoint outerTopLeft();
    void placeOuter(PixelPoint outer);
    // Window-manager states that must be on the window before it is mapped.
    void prepareToMap();
    // Every pointer event goes to the window below. The window manager's
    // frame would still catch them, so meanwhile the window is not managed:
    // it keeps its own place and is raised on each tick when it stays on top.
    void setPassThrough(bool on);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // The background is the key's colour: only the controls are drawn.
    bool keyCutsBackground() const;
    PointerEvent pointerEvent(const QMouseEvent& event);
    PixelPoint clientTopLeft();

    const FormDesign& design_;
    EventSink sink_;
    uint32_t backColor_;
    int32_t exStyle_ = 0;
    std::optional<uint32_t> colorKey_;
    bool staysOnTop_ = false;
    bool passThrough_ = false;
    FramePlacement placement_;
    struct PendingMove {
        PixelPoint from;     // the client area's place when it was asked
        PixelPoint request;  // what was handed to the window system
        PixelPoint outer;    // the outer place it asks for
        std::chrono::steady_clock::time_point since;
    };
    std::optional<PendingMove> pendingMove_;
    // Where the server last said the client area is: asked again (a round
    // trip, which woke the program twice more a second on each tick) only
    // after Qt heard of a move or a map, during a move of ours, or once it
    // is a while old, for a window manager that moved its frame unannounced.
    struct ClientPlace {
        PixelPoint at;
        std::chrono::steady_clock::time_point read;
    };
    std::optional<ClientPlace> clientPlace_;
    std::chrono::steady_clock::time_point lastOwnMove_{};
};

}  // namespace talvorin
