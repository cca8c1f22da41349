#include "platform/qt/FormWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <chrono>
#include <cmath>
#include <utility>

#include "platform/qt/Colors.h"
#include "platform/qt/FormAccessibility.h"
#include "platform/qt/KeyShape.h"
#include "platform/qt/X11FrameExtents.h"
#include "platform/qt/X11WindowStates.h"

namespace talvorin {

namespace {

Qt::WindowFlags flagsFor(FormFrame frame) {
    if (frame == FormFrame::None) return Qt::Window | Qt::FramelessWindowHint;
    return Qt::Window;
}

constexpr double kDesignFontPoints = 8.0;
// A window manager answers a move within this, as a user sees it.
constexpr std::chrono::milliseconds kMoveAnswered{250};
constexpr std::chrono::seconds kClientPlaceKept{10};
constexpr std::chrono::seconds kOwnMoveDone{1};
// Metric-compatible with the Windows sans-serif faces the designs were laid
// out in; the usual Linux default (DejaVu Sans) is wider and clips captions.
constexpr const char* kDesignFontFamily = "Liberation Sans";

PixelPoint pixel(QPointF point) {
    return {static_cast<int32_t>(std::lround(point.x())),
            static_cast<int32_t>(std::lround(point.y()))};
}

}  // namespace

FormWindow::FormWindow(const FormDesign& design, FormEvents& events)
    : QWidget(nullptr, flagsFor(design.frame)), design_(design), sink_(events) {
    setObjectName(QString::fromStdString(design.name));
    backColor_ = packedFromColor(palette().color(QPalette::Window));
    // The designs' sizes were drawn for the forms runtime's 8-point default
    // font; the desktop's larger default would cut the captions short.
    QFont designFont = font();
    designFont.setPointSizeF(kDesignFontPoints);
    if (QFontDatabase::hasFamily(kDesignFontFamily)) designFont.setFamily(kDesignFontFamily);
    setFont(designFont);
    // A frameless form is the one that gets layered: its background must be
    // able to vanish under a colour key, which needs an alpha channel from
    // the start (the visual is chosen when the native window is created).
    if (design.frame == FormFrame::None) setAttribute(Qt::WA_TranslucentBackground);
    if (design.keyboardFocus) setFocusPolicy(Qt::StrongFocus);
    installFormAccessibility();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    std::optional<Key> key;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = Key::Enter;
            break;
        case Qt::Key_Space:
            key = Key::Space;
            break;
        default:
            break;
    }
    if (!key || event->isAutoRepeat()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    sink_.deliver([&](FormEvents& e) { e.onKey(*key); });
}

FormWindow* FormWindow::fromHandle(Hwnd hwnd) {
    if (hwnd == 0) return nullptr;
    return dynamic_cast<FormWindow*>(QWidget::find(static_cast<WId>(hwnd)));
}

Hwnd FormWindow::handle() {
    return static_cast<Hwnd>(winId());
}

void FormWindow::deliverClick(const std::string& control) {
    sink_.deliver([&](FormEvents& e) { e.onClick(control); });
}

void FormWindow::deliverTimer(const std::string& timer) {
    // Unmanaged, the window is stacked by nobody else.
    if (passThrough_ && staysOnTop_ && isVisible()) raise();
    sink_.deliver([&](FormEvents& e) { e.onTimer(timer); });
    followKeyShape(*this, keyCutsBackground());
}

void FormWindow::deliverDisplayChanged() {
    sink_.deliver([](FormEvents& e) { e.onDisplayChanged(); });
}

double FormWindow::dpi() const {
    const QScreen* on = screen();
    return on ? on->logicalDotsPerInch() : 0.0;  // 0: Twips assumes 96
}

void FormWindow::setBackColor(uint32_t rgb) {
    backColor_ = rgb;
    update();
    followKeyShape(*this, keyCutsBackground());
}

void FormWindow::setColorKey(std::optional<uint32_t> key) {
    colorKey_ = key;
    update();
    followKeyShape(*this, keyCutsBackground());
}

void FormWindow::setStaysOnTop(bool on) {
    staysOnTop_ = on;
    // An unmapped window gets the state written just before its next map.
    if (isVisible()) requestAbove(*this, on);
}

void FormWindow::prepareToMap() {
    // Mapped again, the window is placed anew by the window manager, from
    // the place asked for: the frame must come back where it stood.
    if (placement_.learnt()) placeOuter(outerTopLeft());
    setStatesBeforeMap(*this, staysOnTop_, design_.frame == FormFrame::None);
}

void FormWindow::setPassThrough(bool on) {
    if (on == passThrough_) return;
    passThrough_ = on;
    QWindow* native = windowHandle();
    if (!native) return;
    // Being managed or not is read by the window manager when it maps a window.
    const bool shown = isVisible();
    const QPoint place = pos();
    if (shown) hide();
    native->setFlag(Qt::WindowTransparentForInput, on);
    native->setFlag(Qt::BypassWindowManagerHint, on);
    move(place);
    lastOwnMove_ = std::chrono::steady_clock::now();
    if (shown) {
        prepareToMap();
        show();
    }
}

void FormWindow::enterEvent(QEnterEvent*) {
    sink_.deliver([](FormEvents& events) { events.onPointerOver(true); });
}

void FormWindow::leaveEvent(QEvent*) {
    sink_.deliver([](FormEvents& events) { events.onPointerOver(false); });
}

bool FormWindow::keyCutsBackground() const {
    return colorKey_ && *colorKey_ == backColor_;
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    clientPlace_.reset();
    setTypeBeforeMap(*this, staysOnTop_ && design_.frame == FormFrame::None);
    followKeyShape(*this, keyCutsBackground());
}

void FormWindow::paintEvent(QPaintEvent*) {
    // Under a colour key equal to the background only the controls are drawn;
    // the translucent backing store is already clear.
    if (keyCutsBackground()) return;
    QPainter painter(this);
    painter.fillRect(rect(), colorFromPacked(backColor_));
}

PixelPoint FormWindow::outerTopLeft() {
    const QWindow* native = windowHandle();
    // Learnt once the window manager has placed the mapped window.
    if (!placement_.learnt() && native && native->isExposed())
        placement_.learn(clientTopLeft(), x11FrameExtents(*this));
    if (!placement_.learnt()) return {pos().x(), pos().y()};
    const PixelPoint client = clientTopLeft();
    if (!pendingMove_) return placement_.outerOf(client);
    const bool answered = client.x != pendingMove_->from.x || client.y != pendingMove_->from.y;
    const bool settled = std::chrono::steady_clock::now() - pendingMove_->since > kMoveAnswered;
    // A move on its way counts as done: the next one starts from its place.
    if (!answered && !settled) return pendingMove_->outer;
    // Looked at once surely answered: during a drag several are on their way,
    // and one answered is no answer to the last. Unanswered, it was refused.
    if (settled) {
        if (answered) placement_.observe(pendingMove_->request, client);
        pendingMove_.reset();
    }
    return placement_.outerOf(client);
}

PixelPoint FormWindow::clientTopLeft() {
    // A hidden window stands where it was asked to, for Qt and for us.
    if (!isVisible()) return {geometry().x(), geometry().y()};
    const auto now = std::chrono::steady_clock::now();
    // Qt reports a move of ours when asked, not when the server has done it:
    // an answer read meanwhile may be the old place, and no event says so.
    const bool fresh = clientPlace_ && !pendingMove_ && placement_.learnt() &&
                       clientPlace_->read - lastOwnMove_ > kOwnMoveDone &&
                       now - clientPlace_->read <= kClientPlaceKept;
    if (!fresh) {
        const auto onScreen = x11ClientTopLeft(*this);
        if (!onScreen) return {geometry().x(), geometry().y()};
        clientPlace_ = ClientPlace{*onScreen, now};
    }
    return clientPlace_->at;
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    clientPlace_.reset();
}

void FormWindow::placeOuter(PixelPoint outer) {
    const PixelPoint at = placement_.askFor(outer, isVisible() ? Ask::Move : Ask::Map);
    const PixelPoint client = clientTopLeft();
    if (placement_.learnt() && isVisible() && (at.x != client.x || at.y != client.y))
        pendingMove_ = PendingMove{client, at, outer, std::chrono::steady_clock::now()};
    move(at.x, at.y);
    lastOwnMove_ = std::chrono::steady_clock::now();
    clientPlace_.reset();
}

PointerEvent FormWindow::pointerEvent(const QMouseEvent& event) {
    const PixelPoint client = pixel(event.position());
    return PointerEvent{pixel(event.globalPosition()), client, outerTopLeft(), dpi(),
                        rect().contains(client.x, client.y)};
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const PointerEvent e = pointerEvent(*event);
    sink_.deliver([&](FormEvents& events) { events.onPointerPress(e); });
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const PointerEvent e = pointerEvent(*event);
    sink_.deliver([&](FormEvents& events) { events.onPointerMove(e); });
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The handler may hide the window, open a modal box or let go of the view.
    const PointerEvent e = pointerEvent(*event);
    sink_.deliver([&](FormEvents& events) { events.onPointerRelease(e); });
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // A frameless form offers no way to close it; a close request from the
    // window manager (a key binding) is refused, as the prompt is the way out.
    if (design_.frame == FormFrame::None) {
        event->ignore();
        return;
    }
    event->accept();
    sink_.deliver([](FormEvents& events) { events.onClosed(); });
    sink_.detach();
}

}  // namespace talvorin
