#include "platform/qt/KeyShape.h"

#include <QBitmap>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include "platform/qt/X11Compositor.h"

namespace talvorin {

namespace {

// The pixels the window's controls draw, the background left clear. Each
// control on its own: the window would be drawn clipped to its current shape.
QRegion drawnRegion(QWidget& window) {
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control->isVisible())
            control->render(&image, control->pos(), QRegion(), QWidget::DrawChildren);
    const QRegion drawn(QBitmap::fromImage(image.createAlphaMask(Qt::ThresholdAlphaDither)));
    // An empty mask would mean no shape at all: the whole window.
    return drawn.isEmpty() ? QRegion(0, 0, 1, 1) : drawn;
}

}  // namespace

void followKeyShape(QWidget& window, bool keyCutsBackground) {
    const bool shaped =
        keyCutsBackground && window.isVisible() && x11CompositorRunning().value_or(true) == false;
    if (!shaped) {
        if (!window.mask().isEmpty()) window.clearMask();
        return;
    }
    const QRegion drawn = drawnRegion(window);
    if (drawn != window.mask()) window.setMask(drawn);
}

}  // namespace talvorin
