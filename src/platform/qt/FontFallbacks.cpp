#include "platform/qt/FontFallbacks.h"

#include <QFontDatabase>

#include "clock/frmMainDesign.h"

namespace talvorin {

namespace {

// DSEG7's digits are about half again as wide as those of the face the clock
// window's sizes were made for (44 twips a point for "00:00", 66 for
// "00:00:00"): drawn at this horizontal stretch, in percent, the time fits
// the window the layout gives instead of being cut after three digits.
constexpr int kLcdStretch = 64;

}  // namespace

void applyFace(QFont& font, const std::string& face) {
    const QString designed = QString::fromStdString(face);
    const QString lcd = QStringLiteral("DSEG7 Classic");
    if (face == kTimeFace && !QFontDatabase::hasFamily(designed) && QFontDatabase::hasFamily(lcd)) {
        font.setFamily(lcd);
        font.setStretch(kLcdStretch);
        return;
    }
    font.setFamily(designed);
}

}  // namespace talvorin
