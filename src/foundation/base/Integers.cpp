#include "base/Integers.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "base/Error.h"

namespace talvorin {

namespace {

int16_t narrow16(int32_t value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throw RuntimeError(ErrorCode::Overflow, "16-bit overflow");
    return static_cast<int16_t>(value);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

template <typename Int>
Int parseDecimal(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) throw RuntimeError(ErrorCode::TypeMismatch, "not a number");
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') throw RuntimeError(ErrorCode::TypeMismatch, "not a number");
        magnitude = magnitude * 10 + (c - '0');
        // Past every 32-bit value: stop before the 64-bit accumulator could wrap.
        if (magnitude > (int64_t{1} << 40)) throw RuntimeError(ErrorCode::Overflow, "overflow");
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        throw RuntimeError(ErrorCode::Overflow, "overflow");
    return static_cast<Int>(value);
}

}  // namespace

int16_t checkedMul16(int16_t a, int16_t b) {
    return narrow16(int32_t{a} * int32_t{b});
}

int16_t checkedAdd16(int16_t a, int16_t b) {
    return narrow16(int32_t{a} + int32_t{b});
}

int16_t checkedCount16(std::size_t n) {
    if (n > static_cast<std::size_t>(std::numeric_limits<int16_t>::max()))
        throw RuntimeError(ErrorCode::Overflow, "16-bit overflow");
    return static_cast<int16_t>(n);
}

int16_t parseInt16(std::string_view text) {
    return parseDecimal<int16_t>(text);
}

int32_t parseInt32(std::string_view text) {
    return parseDecimal<int32_t>(text);
}

int32_t roundHalfEven32(double value) {
    if (!(value >= -2147483648.5 && value <= 2147483647.5))
        throw RuntimeError(ErrorCode::Overflow, "32-bit overflow");
    const double rounded = std::nearbyint(value);  // the default rounding mode: half to even
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        throw RuntimeError(ErrorCode::Overflow, "32-bit overflow");
    return static_cast<int32_t>(rounded);
}

std::string toText(int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace talvorin
