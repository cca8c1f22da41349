#include "platform/qt/FontFallbacks.h"

#include <QFontDatabase>

namespace talvorin {

void applyFace(QFont& font, const FontDesign& design) {
    const QString face = QString::fromStdString(design.face);
    const QString fallback = QString::fromStdString(design.fallbackFace);
    if (!fallback.isEmpty() && !QFontDatabase::hasFamily(face) &&
        QFontDatabase::hasFamily(fallback)) {
        font.setFamily(fallback);
        font.setStretch(design.fallbackWidthPercent);
        return;
    }
    font.setFamily(face);
}

}  // namespace talvorin
