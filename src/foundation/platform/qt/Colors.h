// The core's packed colours as Qt colours, and back.
#pragma once

#include <QColor>
#include <cstdint>

#include "base/Rgb.h"

namespace talvorin {

inline QColor colorFromPacked(uint32_t packed) {
    const Rgb c = unpackRgb(packed);
    return QColor(c.red, c.green, c.blue);
}

inline uint32_t packedFromColor(const QColor& color) {
    return packRgb(color.red(), color.green(), color.blue());
}

}  // namespace talvorin
