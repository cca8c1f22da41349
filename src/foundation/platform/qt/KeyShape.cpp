#include "platform/qt/KeyShape.h"

#include <QBitmap>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include "platform/qt/X11Compositor.h"

namespace talvorin {

namespace {

// The pixels the window and its controls draw, the background left clear.
QRegion drawnRegion(QWidget& window) {
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const QRegion drawn(QBitmap::fromImage(image.createAlphaMask(Qt::ThresholdAlphaDither)));
    // An empty mask would mean no shape at all: the whole window.
    return drawn.isEmpty() ? QRegion(0, 0, 1, 1) : drawn;
}

}  // namespace

void followKeyShape(QWidget& window, bool keyCutsBackground) {
    const bool shaped = keyCutsBackground && window.isVisible() &&
                        x11CompositorRunning().value_or(true) == false;
    if (!shaped) {
        if (!window.mask().isEmpty()) window.clearMask();
        return;
    }
    const QRegion drawn = drawnRegion(window);
    if (drawn != window.mask()) window.setMask(drawn);
}

}  // namespace talvorin
