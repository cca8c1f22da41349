#include "QtTestSupport.h"

#include <QApplication>
#include <QMouseEvent>

namespace talvorin::test {

void RecordingEvents::onClick(std::string_view control) noexcept {
    clicks.emplace_back(control);
    if (onClickDo) onClickDo();
}

void RecordingEvents::onPointerPress(const PointerEvent& event) noexcept {
    const int d = QApplication::startDragDistance();
    gesture.press(event, {d, d}, labelAt(*design, event.client, event.dpi));
}

void RecordingEvents::onPointerMove(const PointerEvent& event) noexcept {
    if (const auto to = gesture.move(event, design->draggableSurface)) view->dragTo(*to);
}

void RecordingEvents::onPointerRelease(const PointerEvent& event) noexcept {
    if (const auto control = gesture.release(event)) onClick(*control);
}

void RecordingEvents::onTimer(std::string_view timer) noexcept {
    ticks.emplace_back(timer);
}

void RecordingEvents::onClosed() noexcept {
    ++closes;
    if (onClosedDo) onClosedDo();
}

TestForm::TestForm(const FormDesign& design)
    : view(std::make_unique<QtForm>(design, events, clockChanges)) {
    events.design = &design;
    events.view = view.get();
}

void sendMouse(QWidget& window, QEvent::Type type, Qt::MouseButton button, QPoint local,
               QPoint global) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(local), QPointF(global), changed, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

void flushDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace talvorin::test
