// The clock window's load: caption, colour, the layered style, the colour key
// and the opacity, in the order the window manager must see them.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "program/Transparence.h"

namespace talvorin::testing {
namespace {

std::vector<std::string> functions(const ScriptedUser32& user32) {
    std::vector<std::string> names;
    for (const auto& call : user32.calls) names.push_back(call.function);
    return names;
}

TEST_F(ClockTest, LoadTitlesColoursAndLayersTheWindowThenShowsIt) {
    start();
    ScriptedWindowState& w = clockWindow();
    EXPECT_EQ(w.caption, "Talvorin V" TALVORIN_VERSION_TEXT);
    EXPECT_EQ(w.backColor, 8339456u);  // 0x7F4000, the default dark blue
    EXPECT_TRUE(w.visible);
    EXPECT_EQ(w.operations.back(), "show");
    EXPECT_EQ(clockControl("LabDay").text, "Label1");
    EXPECT_EQ(clockControl("LabHeure").text, "--:--");

    const auto& calls = rt.scriptedUser32().calls;
    ASSERT_EQ(functions(rt.scriptedUser32()),
              (std::vector<std::string>{"SetWindowPos", "GetWindowLongA", "SetWindowLongA",
                                        "SetLayeredWindowAttributes", "GetWindowLongA",
                                        "SetWindowLongA", "SetLayeredWindowAttributes"}));
    const int64_t hwnd = static_cast<int64_t>(w.hwnd);
    EXPECT_EQ(calls[2].args, (std::vector<int64_t>{hwnd, kGwlExStyle, kWsExLayered}));
    EXPECT_EQ(calls[3].args, (std::vector<int64_t>{hwnd, 8339456, 0, kLwaColorKey}));
    EXPECT_EQ(calls[6].args, (std::vector<int64_t>{hwnd, 0, 127, kLwaAlpha}));
    EXPECT_EQ(w.layeredFlags, kLwaAlpha);
    EXPECT_EQ(w.layeredAlpha, 127);
}

TEST_F(ClockTest, OpacityOutsideTheByteRangeLeavesOnlyTheColourKey) {
    const struct {
        const char* trans;
        uint32_t flags;
        uint8_t alpha;
    } rows[] = {{"300", kLwaColorKey, 0},
                {"-1", kLwaColorKey, 0},
                {"0", kLwaAlpha, 0},
                {"255", kLwaAlpha, 255}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.trans);
        HeadlessProgram other;
        other.givenFile(defaultFileWith(2, row.trans));
        other.start();
        ScriptedWindowState& w = other.clockWindow();
        EXPECT_EQ(w.layeredFlags, row.flags);
        EXPECT_EQ(w.layeredAlpha, row.alpha);
        if (row.flags == kLwaColorKey) {
            EXPECT_EQ(w.layeredKey, w.backColor);
        }
        EXPECT_NE(w.exStyle & kWsExLayered, 0);
    }
}

TEST_F(ClockTest, ColourComponentsOutOfRangeAreClampedWhenPacked) {
    givenFile(defaultFileWith({{4, "300"}, {5, "-20"}, {6, "255"}}));
    start();
    EXPECT_EQ(clockWindow().backColor, 255u + 0u * 256 + 255u * 65536);
}

TEST(SetTransparency, ReportsAppliedOutOfRangeOrFailed) {
    const struct {
        int16_t alpha;
        const char* missing;
        int32_t result;
        std::size_t calls;
    } rows[] = {{0, "", 0, 3},
                {255, "", 0, 3},
                {256, "", 1, 0},
                {-1, "", 1, 0},
                {100, "SetLayeredWindowAttributes", 2, 2},
                {100, "GetWindowLongA", 2, 2},
                {300, "GetWindowLongA", 1, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.alpha) + " " + row.missing);
        ScriptedRuntime rt;
        auto& user32 = rt.scriptedUser32();
        if (*row.missing) user32.missing.insert(row.missing);
        EXPECT_EQ(setTransparency(user32, 0x42, row.alpha, rt), row.result);
        EXPECT_EQ(user32.calls.size(), row.calls);  // the others still run after a failure
        // A failure to make a call is reported, not only counted.
        ASSERT_EQ(rt.errorTrace.size(), row.result == 2 ? 1u : 0u);
        if (row.result == 2) {
            EXPECT_NE(rt.errorTrace[0].find(row.missing), std::string::npos);
        }
    }
}

TEST_F(ClockTest, SetTransparencyKeepsOtherStyleBitsAndReplacesTheOpacity) {
    start();
    ScriptedWindowState& w = clockWindow();
    w.exStyle = 0x8 | kWsExLayered;
    EXPECT_EQ(setTransparency(rt.user32(), w.hwnd, 40, rt), 0);
    EXPECT_EQ(w.exStyle, 0x8 | kWsExLayered);
    EXPECT_EQ(w.layeredAlpha, 40);
}

TEST_F(ClockTest, MissingWindowManagerEntryPointStopsTheLoadButTheClockStillRuns) {
    rt.scriptedUser32().missing.insert("SetWindowPos");
    start();
    EXPECT_TRUE(clockWindow().visible);
    EXPECT_EQ(clock().lastUnhandledError(), std::nullopt);  // the reader fell back
    EXPECT_TRUE(traced(rt, "SetWindowPos")) << "the trace names the missing entry point";
    rt.tick("frmMain");
    EXPECT_EQ(clockControl("LabHeure").text, "14:05");
}

}  // namespace
}  // namespace talvorin::testing
