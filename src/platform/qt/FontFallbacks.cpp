#include "platform/qt/FontFallbacks.h"

#include <QFontDatabase>

#include "clock/frmMainDesign.h"

namespace talvorin {

QString installedFace(const std::string& face) {
    const QString designed = QString::fromStdString(face);
    if (QFontDatabase::hasFamily(designed)) return designed;
    const QString lcd = QStringLiteral("DSEG7 Classic");
    if (face == kTimeFace && QFontDatabase::hasFamily(lcd)) return lcd;
    return designed;
}

}  // namespace talvorin
