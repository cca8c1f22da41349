// A clock out of reach is brought back fully onto the nearest work area, at
// start, after a display change and after the dialog's apply; one partly over
// an edge stays where the user put it.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "TestSupport.h"
#include "base/Integers.h"
#include "base/Twips.h"
#include "clock/Reach.h"
#include "settings/OptionsFile.h"

namespace talvorin::testing {
namespace {

namespace fs = std::filesystem;

// 1920x1080 with a 40 px task bar at the bottom; a second one at the right.
constexpr PixelRect kPrimary{0, 0, 1920, 1040};
constexpr PixelRect kRight{1920, -200, 1280, 1024};

std::string show(const std::optional<PixelPoint>& p) {
    return p ? std::to_string(p->x) + "," + std::to_string(p->y) : "stays";
}

TEST(Reach, LostFramesGoFullyIntoTheNearestWorkAreaAndOthersStay) {
    const std::vector<PixelRect> one{kPrimary}, two{kPrimary, kRight};
    const struct {
        const char* what;
        std::vector<PixelRect> areas;
        PixelRect frame;
        std::optional<PixelPoint> expected;
    } rows[] = {
        {"inside", one, {100, 100, 154, 143}, std::nullopt},
        {"32 px over the right edge are enough", one, {1888, 100, 154, 143}, std::nullopt},
        {"31 px are not", one, {1889, 100, 154, 143}, PixelPoint{1766, 100}},
        {"beyond the right", one, {2500, 300, 154, 143}, PixelPoint{1766, 300}},
        {"beyond the left", one, {-400, 300, 154, 143}, PixelPoint{0, 300}},
        {"beyond the top", one, {50, -143, 154, 143}, PixelPoint{50, 0}},
        {"beyond the bottom, under the task bar", one, {50, 1015, 154, 143}, PixelPoint{50, 897}},
        {"32 px above the task bar are enough", one, {50, 1008, 154, 143}, std::nullopt},
        {"on the second monitor", two, {2500, 300, 154, 143}, std::nullopt},
        {"the second monitor removed", one, {2500, 300, 154, 143}, PixelPoint{1766, 300}},
        {"beyond the second, nearest to it", two, {3300, 900, 154, 143}, PixelPoint{3046, 681}},
        {"over the gap above the second", two, {2000, -400, 154, 143}, PixelPoint{2000, -200}},
        {"491505 twips at 96 dpi", two, {32767, 32767, 154, 143}, PixelPoint{3046, 681}},
        {"-491505 twips at 96 dpi", two, {-32767, -32767, 154, 143}, PixelPoint{0, 0}},
        {"2^31-1 twips at 96 dpi", one, {143165577, 143165577, 154, 143}, PixelPoint{1766, 897}},
        {"at the int32 limits", one, {INT32_MAX, INT32_MIN, 154, 143}, PixelPoint{1766, 0}},
        {"larger than the work area", one, {5000, 5000, 2400, 1200}, PixelPoint{0, 0}},
        {"a small window needs only itself inside", one, {1900, 10, 20, 20}, std::nullopt},
        {"no work areas known", {}, {50000, 50000, 154, 143}, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(show(rescuedTopLeft(row.frame, row.areas)), show(row.expected)) << row.what;
}

class ReachClockTest : public ClockTest {
  protected:
    ReachClockTest() { rt.workAreas_ = {kPrimary, kRight}; }
    PixelRect frame() { return clock().view().frame(); }
    bool fullyOn(const PixelRect& area) {
        const PixelRect f = frame();
        return f.left >= area.left && f.top >= area.top &&
               f.left + f.width <= area.left + area.width &&
               f.top + f.height <= area.top + area.height;
    }
    // The tick saves where the clock now stands.
    void expectFileSaysWhereItIs() {
        rt.tick("frmMain");
        const auto lines = splitLines(fileBytes(), 15);
        EXPECT_EQ(pixelsFromTwips(parseInt32(lines[7]), 96), frame().top);
        EXPECT_EQ(pixelsFromTwips(parseInt32(lines[8]), 96), frame().left);
        fs::remove(optionsFile());  // and once only
        rt.tick("frmMain");
        EXPECT_FALSE(fs::exists(optionsFile()));
    }
};

TEST_F(ReachClockTest, StoredPositionsOutOfReachAreBroughtBackAtStart) {
    const struct {
        const char* top;
        const char* left;
        PixelRect area;
    } rows[] = {
        {"300", "40000", kRight},         {"300", "-9000", kPrimary},
        {"-9000", "300", kPrimary},       {"20000", "300", kPrimary},
        {"4500", "60000", kRight},        {"491505", "491505", kRight},
        {"-491505", "-491505", kPrimary}, {"2147483647", "2147483647", kRight},
        {"-2147483648", "300", kRight},  // its top is 200 px nearer
    };
    for (const auto& row : rows) {
        program.reset();
        givenFile(defaultFileWith({{8, row.top}, {9, row.left}}));
        start();
        EXPECT_TRUE(fullyOn(row.area)) << row.top << "," << row.left;
        expectFileSaysWhereItIs();
    }
}

TEST_F(ReachClockTest, APartlyHiddenClockStaysWhereTheUserPutIt) {
    givenFile(defaultFileWith({{8, "-1200"}, {9, "-1500"}}));  // 80 and 100 px off
    start();
    EXPECT_EQ(frame().top, -80);
    EXPECT_EQ(frame().left, -100);
}

TEST_F(ReachClockTest, ARemovedMonitorBringsTheClockBackAndItsStateIsReapplied) {
    givenFile(defaultFileWith({{8, "4500"}, {9, "40000"}, {13, "1"}}));
    start();
    ASSERT_TRUE(fullyOn(kRight));
    rt.tick("frmMain");
    rt.scriptedUser32().calls.clear();

    rt.workAreas_ = {kPrimary};
    rt.displayChanged("frmMain");
    EXPECT_TRUE(fullyOn(kPrimary));
    expectFileSaysWhereItIs();
    // Topmost again, without taking the focus from whatever has it.
    ASSERT_EQ(rt.scriptedUser32().calls.size(), 1u);
    const ScriptedUser32Call& call = rt.scriptedUser32().calls[0];
    EXPECT_EQ(call.function, "SetWindowPos");
    EXPECT_EQ(call.args[1], static_cast<int64_t>(kHwndTopmost));
    EXPECT_EQ(call.args[6], kSwpNoMove | kSwpNoSize | kSwpNoActivate);
}

TEST_F(ReachClockTest, APositionTypedInTheDialogIsKeptWithinReach) {
    givenFile(kDefaultFile);
    start();
    rt.answers = {vbCancel};
    rt.click("frmMain", "");
    rt.type("frmParam", "txtTop", "491505");
    rt.type("frmParam", "txtLeft", "491505");
    rt.click("frmParam", "cmdOk");
    EXPECT_TRUE(fullyOn(kRight));
    expectFileSaysWhereItIs();
}

}  // namespace
}  // namespace talvorin::testing
