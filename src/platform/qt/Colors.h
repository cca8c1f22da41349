// The core packs colours as red + 256 * green + 65536 * blue; Qt wants QColor.
#pragma once

#include <QColor>
#include <cstdint>

namespace talvorin {

inline QColor colorFromPacked(uint32_t rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

inline uint32_t packedFromColor(const QColor& color) {
    return static_cast<uint32_t>(color.red()) | static_cast<uint32_t>(color.green()) << 8 |
           static_cast<uint32_t>(color.blue()) << 16;
}

}  // namespace talvorin
