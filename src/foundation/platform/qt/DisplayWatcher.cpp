#include "platform/qt/DisplayWatcher.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/qt/FormWindow.h"
#include "platform/qt/Xcb.h"

namespace talvorin {

namespace {

// Screens report their changes one property at a time; the forms hear of
// them once the burst is over.
constexpr int kSettleMs = 100;

}  // namespace

DisplayWatcher::DisplayWatcher() {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &DisplayWatcher::deliver);
    for (QScreen* screen : QGuiApplication::screens()) watchScreen(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watchScreen(screen);
        settle_.start();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] { settle_.start(); });
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this] { settle_.start(); });
    watchWindowManager();
}

DisplayWatcher::~DisplayWatcher() {
    if (root_ != 0) QCoreApplication::instance()->removeNativeEventFilter(this);
}

void DisplayWatcher::watchScreen(QScreen* screen) {
    connect(screen, &QScreen::availableGeometryChanged, this, [this] { settle_.start(); });
    connect(screen, &QScreen::geometryChanged, this, [this] { settle_.start(); });
    connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { settle_.start(); });
}

void DisplayWatcher::watchWindowManager() {
    xcb_connection_t* c = xcbConnection();
    if (!c) return;
    const xcb_window_t root = xcbRoot(c);
    const xcb_atom_t wmCheck = xcbAtom(c, "_NET_SUPPORTING_WM_CHECK");
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root), nullptr));
    if (wmCheck == XCB_ATOM_NONE || !attributes) return;
    // Added to what Qt already listens to on the root window, not replacing it.
    const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    root_ = root;
    wmCheckAtom_ = wmCheck;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool DisplayWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) return false;
    const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
    // A window manager announces itself by (re)writing this property.
    if (property->window == root_ && property->atom == wmCheckAtom_) settle_.start();
    return false;
}

void DisplayWatcher::deliver() {
    // Each form may close or end the program from its event: look the
    // windows up afresh, one at a time.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* widget : windows) {
        if (!QApplication::topLevelWidgets().contains(widget)) continue;
        if (auto* form = qobject_cast<FormWindow*>(widget)) form->deliverDisplayChanged();
    }
}

}  // namespace talvorin
