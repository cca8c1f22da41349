// Clicks and drags are decided in one place for every runtime: what a press,
// the moves after it and its release make on the clock and on the dialog.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace talvorin::testing {
namespace {

struct Gesture {
    const char* what;
    const char* form;
    std::vector<PixelPoint> moves;  // screen pixels after the press
    PixelPoint release;
    int prompts;          // quit prompts opened: a click on the clock
    PixelPoint window;    // the clock's top-left in pixels afterwards
    bool locked = false;  // position_verrouillee=1
    PixelPoint press = {20, 30};
};

void PrintTo(const Gesture& g, std::ostream* out) {
    *out << g.what;
}

class PointerGestures : public ClockTest, public ::testing::WithParamInterface<Gesture> {};

TEST_P(PointerGestures, MakeAClickADragOrNothing) {
    const Gesture& g = GetParam();
    if (g.locked) writeBytes(folder.path() / "tl_extras.txt", "position_verrouillee = 1\n");
    start();
    if (std::string(g.form) == "frmParam") {
        rt.answers = {vbCancel};
        rt.click("frmMain", "LabHeure");  // opens the dialog
    }
    const std::size_t promptsBefore = rt.messageBoxes.size();
    rt.press(g.form, g.press);
    for (const PixelPoint& to : g.moves) rt.movePointer(g.form, to);
    rt.release(g.form, g.release);
    EXPECT_EQ(static_cast<int>(rt.messageBoxes.size() - promptsBefore), g.prompts);
    EXPECT_EQ(clockWindow().left, g.window.x * 15.0);
    EXPECT_EQ(clockWindow().top, g.window.y * 15.0);
}

// The clock stands at 0,0, 154 x 143 pixels; the drag distance is 4 pixels.
INSTANTIATE_TEST_SUITE_P(
    Clock, PointerGestures,
    ::testing::Values(
        Gesture{"press and release in place", "frmMain", {}, {20, 30}, 1, {0, 0}},
        Gesture{"a jitter within the drag distance", "frmMain", {{24, 26}}, {23, 27}, 1, {0, 0}},
        Gesture{"a drag moves the window", "frmMain", {{22, 30}, {60, 80}}, {60, 80}, 0, {40, 50}},
        Gesture{"a drag back to the start stays a drag",
                "frmMain",
                {{60, 30}, {21, 30}},
                {21, 30},
                0,
                {1, 0}},
        Gesture{"locked: a drag does nothing", "frmMain", {{60, 80}}, {60, 80}, 0, {0, 0}, true},
        Gesture{"locked: a click still prompts", "frmMain", {}, {20, 30}, 1, {0, 0}, true},
        Gesture{"a release far away with no move between", "frmMain", {}, {90, 30}, 0, {0, 0}},
        Gesture{"a release outside the client area", "frmMain", {{22, 31}}, {-1, 30}, 0, {0, 0}},
        Gesture{"a release just outside, within the drag distance",
                "frmMain",
                {},
                {-1, 2},
                0,
                {0, 0},
                false,
                {2, 2}},
        Gesture{"the dialog's surface does not drag the clock",
                "frmParam",
                {{90, 90}},
                {90, 90},
                0,
                {0, 0}}));

TEST_F(ClockTest, EveryPartOfTheClockOpensTheSamePrompt) {
    start();
    for (const char* control : {"", "LabDay", "LabHeure"}) {
        rt.answers = {vbNo};
        rt.click("frmMain", control);
    }
    ASSERT_EQ(rt.messageBoxes.size(), 3u);
    EXPECT_EQ(rt.messageBoxes[0].prompt, rt.messageBoxes[2].prompt);
}

TEST_F(ClockTest, ACancelledPressIsNoClick) {
    start();
    rt.press("frmMain", {20, 30});
    rt.window("frmMain").sink->deliver([](FormEvents& e) { e.onPointerCancel(); });
    rt.release("frmMain", {20, 30});
    EXPECT_TRUE(rt.messageBoxes.empty());
}

}  // namespace
}  // namespace talvorin::testing
