// What the Qt tests share: a recorder standing in for the core's form events,
// a form built over it, and mouse events with explicit screen positions.
#pragma once

#include <QEvent>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Design.h"
#include "platform/Form.h"
#include "platform/qt/ClockChangeWatcher.h"
#include "platform/qt/QtForm.h"
#include "program/PointerGesture.h"

namespace talvorin::test {

// Clicks and drags are decided by the core's own rule, as FormHost applies it.
struct RecordingEvents final : FormEvents {
    const FormDesign* design = nullptr;
    FormView* view = nullptr;
    PointerGesture gesture;
    std::vector<std::string> clicks;
    std::vector<std::string> ticks;
    int closes = 0;
    std::function<void()> onClickDo;  // runs inside the click, as a handler would
    std::function<void()> onClosedDo;

    void onClick(std::string_view control) noexcept override;
    void onPointerPress(const PointerEvent& event) noexcept override;
    void onPointerMove(const PointerEvent& event) noexcept override;
    void onPointerRelease(const PointerEvent& event) noexcept override;
    void onPointerCancel() noexcept override { gesture.cancel(); }
    void onTimer(std::string_view timer) noexcept override;
    void onClosed() noexcept override;
};

// A form of the runtime over a recorder, as the core would hold it.
struct TestForm {
    explicit TestForm(const FormDesign& design);
    RecordingEvents events;
    ClockChangeWatcher clockChanges;
    std::unique_ptr<QtForm> view;
    FormWindow& window() const { return *view->window(); }
};

// Sends a mouse event the way the window system delivers it: the position in
// the window and the cursor's place on the screen.
void sendMouse(QWidget& window, QEvent::Type type, Qt::MouseButton button, QPoint local,
               QPoint global);

// Deletes the widgets the runtime freed late.
void flushDeferredDeletes();

}  // namespace talvorin::test
