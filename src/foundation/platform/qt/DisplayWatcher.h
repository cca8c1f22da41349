// Tells every form when the desktop changed under it: a screen added or
// removed, a screen's geometry, work area or DPI changed, or a new window
// manager took over the display (which knows nothing of the states the old
// one kept, such as "above"). A burst of changes makes one event.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QTimer>
#include <cstdint>

class QScreen;

namespace talvorin {

class DisplayWatcher final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

  public:
    DisplayWatcher();
    ~DisplayWatcher() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    void watchScreen(QScreen* screen);
    void watchWindowManager();
    void deliver();

    QTimer settle_;
    uint32_t root_ = 0;         // the X root window, 0 off X11
    uint32_t wmCheckAtom_ = 0;  // _NET_SUPPORTING_WM_CHECK
};

}  // namespace talvorin
