#include "platform/qt/QtScreens.h"

#include <QGuiApplication>
#include <QScreen>

namespace talvorin {

std::vector<PixelRect> screenWorkAreas() {
    std::vector<PixelRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        if (!r.isEmpty()) areas.push_back(PixelRect{r.x(), r.y(), r.width(), r.height()});
    }
    return areas;
}

double primaryScreenDpi() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->logicalDotsPerInch() : 0.0;
}

}  // namespace talvorin
