#include <gtest/gtest.h>

#include "base/Error.h"
#include "dialog/Conversion.h"
#include "scripted/ScriptedRuntime.h"

namespace talvorin {
namespace {

TEST(KeepDigits, KeepsTheDigitsInTheirOrder) {
    const struct {
        std::string in, out;
    } rows[] = {{"", "0"},       {"xyz", ""},     {" ", ""},        {"12a3", "123"}, {"-5", "5"},
                {"12,5", "125"}, {"12.5", "125"}, {"0042", "0042"}, {"1e3", "13"},   {"é9", "9"}};
    for (const auto& row : rows) EXPECT_EQ(keepDigits(row.in), row.out) << "'" << row.in << "'";
}

TEST(KeepDigits, RefusesTextsOf32767CharactersOrMore) {
    EXPECT_EQ(keepDigits(std::string(32766, '7')).size(), 32766u);
    for (std::size_t length : {32767u, 32768u, 100000u}) {
        try {
            keepDigits(std::string(length, '7'));
            ADD_FAILURE() << length << " characters accepted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), ErrorCode::Overflow);
        }
    }
}

struct ByteRow {
    std::string in;
    int16_t minimum;
    int16_t result;
    bool message;
    std::string cleaned;
};

TEST(ConvByte, CleansClampsAndReportsFailures) {
    const ByteRow rows[] = {
        {"", 0, 0, false, "0"},         {"007", 0, 7, false, "007"},
        {"300", 0, 255, false, "300"},  {"32767", 0, 255, false, "32767"},
        {"-5", 0, 5, false, "5"},       {"1e3", 0, 13, false, "13"},
        {"12a3", 0, 123, false, "123"}, {"", 20, 20, false, "0"},
        {"5", 20, 20, false, "5"},      {"48", 20, 48, false, "48"},
        {"x", 20, 0, true, ""},         {"xyz", 0, 0, true, ""},
        {"32768", 0, 0, true, "32768"}, {"99999", 0, 0, true, "99999"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("'" + row.in + "' minimum " + std::to_string(row.minimum));
        ScriptedRuntime rt;
        std::string text = row.in;
        EXPECT_EQ(convByte(rt, text, row.minimum), row.result);
        EXPECT_EQ(text, row.cleaned);
        ASSERT_EQ(rt.messageBoxes.size(), row.message ? 1u : 0u);
        if (row.message) {
            EXPECT_EQ(rt.messageBoxes[0].prompt, "Erreur dans fonction Conv");
            EXPECT_EQ(rt.messageBoxes[0].title, "Talvorin");
            EXPECT_EQ(rt.messageBoxes[0].style, vbInformation);
        }
    }
}

TEST(ConvByte, OverlongTextOverflowsWithoutTheConversionMessage) {
    ScriptedRuntime rt;
    std::string text(40000, '1');
    EXPECT_THROW(convByte(rt, text, 0), RuntimeError);
    EXPECT_TRUE(rt.messageBoxes.empty());
}

TEST(ConvLong, ConvertsUnchangedTextClampedToTheScreen) {
    const struct {
        std::string in;
        int32_t result;
        bool message;
    } rows[] = {
        {"500", 500, false},
        {"-300", 0, false},
        {"0", 0, false},
        {" 800 ", 800, false},
        {"491505", kMaxPositionTwips, false},
        {"491506", kMaxPositionTwips, false},
        {"2147483647", kMaxPositionTwips, false},
        {"", 0, true},
        {"xyz", 0, true},
        {"12a3", 0, true},
        {"4000000000", 0, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("'" + row.in + "'");
        ScriptedRuntime rt;
        const std::string text = row.in;
        EXPECT_EQ(convLong(rt, text), row.result);
        EXPECT_EQ(rt.messageBoxes.size(), row.message ? 1u : 0u);
    }
}

TEST(Conversion, EachFailingCallShowsItsOwnMessageInCallOrder) {
    ScriptedRuntime rt;
    std::string a = "x", b = "y";
    convByte(rt, a, 0);
    convLong(rt, "z");
    convByte(rt, b, 20);
    ASSERT_EQ(rt.messageBoxes.size(), 3u);
    for (const auto& box : rt.messageBoxes) EXPECT_EQ(box.prompt, "Erreur dans fonction Conv");
}

}  // namespace
}  // namespace talvorin
