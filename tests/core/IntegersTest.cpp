#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "TestSupport.h"
#include "base/Error.h"
#include "base/Integers.h"

namespace talvorin {
namespace {

using testing::errorOf;

struct ParseRow {
    const char* text;
    int64_t value;  // when no error
    std::optional<ErrorCode> error16;
    std::optional<ErrorCode> error32;
};

constexpr auto kMismatch = ErrorCode::TypeMismatch;
constexpr auto kOverflow = ErrorCode::Overflow;

const ParseRow kParseRows[] = {
    {"0", 0, {}, {}},
    {"127", 127, {}, {}},
    {"-5", -5, {}, {}},
    {"+42", 42, {}, {}},
    {"  48\t", 48, {}, {}},  // hand-edited files carry blanks
    {"0042", 42, {}, {}},
    {"32767", 32767, {}, {}},
    {"-32768", -32768, {}, {}},
    {"32768", 32768, kOverflow, {}},
    {"-32769", -32769, kOverflow, {}},
    {"40000", 40000, kOverflow, {}},
    {"2147483647", 2147483647, kOverflow, {}},
    {"-2147483648", -2147483648LL, kOverflow, {}},
    {"2147483648", 0, kOverflow, kOverflow},
    {"3000000000", 0, kOverflow, kOverflow},
    {"99999999999999999999999", 0, kOverflow, kOverflow},
    {"18446744073709551616", 0, kOverflow, kOverflow},  // 2^64: 0 once wrapped
    {"", 0, kMismatch, kMismatch},
    {"   ", 0, kMismatch, kMismatch},
    {"-", 0, kMismatch, kMismatch},
    {"abc", 0, kMismatch, kMismatch},
    {"12a", 0, kMismatch, kMismatch},
    {"1 2", 0, kMismatch, kMismatch},
    {"12.5", 0, kMismatch, kMismatch},
    {"1e3", 0, kMismatch, kMismatch},
    {"0x10", 0, kMismatch, kMismatch},
    {"--1", 0, kMismatch, kMismatch},
};

TEST(Integers, ParsesOnlyOptionallySignedDecimalsWithinTheWidth) {
    for (const auto& row : kParseRows) {
        SCOPED_TRACE(std::string("text '") + row.text + "'");
        EXPECT_EQ(errorOf([&] { parseInt16(row.text); }), row.error16);
        EXPECT_EQ(errorOf([&] { parseInt32(row.text); }), row.error32);
        if (!row.error16) {
            EXPECT_EQ(parseInt16(row.text), row.value);
        }
        if (!row.error32) {
            EXPECT_EQ(parseInt32(row.text), row.value);
        }
    }
}

TEST(Integers, CheckedArithmeticRaisesOverflowAtTheEdges) {
    EXPECT_EQ(checkedMul16(1323, 24), 31752);
    EXPECT_EQ(checkedAdd16(31752, 1000), 32752);
    EXPECT_EQ(checkedAdd16(32000, 767), 32767);
    EXPECT_EQ(checkedMul16(-1365, 24), -32760);
    EXPECT_EQ(errorOf([] { checkedMul16(1366, 24); }), kOverflow);
    EXPECT_EQ(errorOf([] { checkedAdd16(32000, 768); }), kOverflow);
    EXPECT_EQ(errorOf([] { checkedAdd16(-32768, -1); }), kOverflow);
    EXPECT_EQ(checkedCount16(32767), 32767);
    EXPECT_EQ(errorOf([] { checkedCount16(32768); }), kOverflow);
}

TEST(Integers, RoundsHalvesToTheEvenNeighbour) {
    const struct {
        double in;
        int32_t out;
    } rows[] = {{0.5, 0},
                {1.5, 2},
                {2.5, 2},
                {-0.5, 0},
                {-1.5, -2},
                {7.4999, 7},
                {1234.6, 1235},
                {2147483647.0, 2147483647},
                {-2147483648.0, INT32_MIN},
                {-2147483648.5, INT32_MIN}};
    for (const auto& row : rows) EXPECT_EQ(roundHalfEven32(row.in), row.out) << row.in;
    EXPECT_EQ(errorOf([] { roundHalfEven32(2147483647.5); }), kOverflow);
    EXPECT_EQ(errorOf([] { roundHalfEven32(1e12); }), kOverflow);
    EXPECT_EQ(errorOf([] { roundHalfEven32(std::nan("")); }), kOverflow);
}

TEST(Integers, WritesPlainDecimalText) {
    EXPECT_EQ(toText(0), "0");
    EXPECT_EQ(toText(-5), "-5");
    EXPECT_EQ(toText(2147483647), "2147483647");
    EXPECT_EQ(toText(-32768), "-32768");
}

}  // namespace
}  // namespace talvorin
