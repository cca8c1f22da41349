#include "dialog/Conversion.h"

#include <algorithm>

#include "base/Error.h"
#include "base/Integers.h"

namespace talvorin {

namespace {

constexpr const char* kConvError = "Erreur dans fonction Conv";
constexpr const char* kTitle = "Talvorin";

}  // namespace

std::string keepDigits(const std::string& text) {
    if (text.empty()) return "0";
    // A 16-bit count, as the field's length has always been taken: a text of
    // 32767 characters or more is refused with an overflow.
    const int16_t count = checkedCount16(text.size());
    if (count == INT16_MAX) throw RuntimeError(ErrorCode::Overflow, "16-bit overflow");
    std::string digits;
    for (int16_t i = 0; i < count; ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        if (c >= '0' && c <= '9') digits.push_back(c);
    }
    return digits;
}

int16_t convByte(MessageBoxes& boxes, std::string& text, int16_t minimum) {
    text = keepDigits(text);
    try {
        const int16_t value = parseInt16(text);
        return std::min<int16_t>(std::max(value, minimum), 255);
    } catch (const RuntimeError&) {
        boxes.msgBox(kConvError, vbInformation, kTitle);
        return 0;
    }
}

int32_t convLong(MessageBoxes& boxes, const std::string& text) {
    try {
        const int32_t value = parseInt32(text);
        return std::clamp(value, int32_t{0}, kMaxPositionTwips);
    } catch (const RuntimeError&) {
        boxes.msgBox(kConvError, vbInformation, kTitle);
        return 0;
    }
}

}  // namespace talvorin
