// A clock always on top never covers its own windows: the dialog joins the
// clock's band and follows it when the setting changes, and every message
// box the program opens goes above the topmost band with it.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace talvorin::testing {
namespace {

TEST_F(ClockTest, TheDialogAndTheBoxesShareTheClocksBand) {
    for (const char* onTop : {"0", "1", "-1"}) {
        program.reset();
        rt.messageBoxes.clear();
        // "-1" shows as ticked in the dialog but leaves the clock in the
        // ordinary band: the band follows the clock, not the check box.
        const bool expected = std::string(onTop) == "1";
        givenFile(defaultFileWith(13, onTop));
        start();
        ASSERT_EQ(clockWindow().topmost, expected) << onTop;

        rt.answers = {vbCancel};
        rt.click("frmMain", "");
        ASSERT_EQ(rt.messageBoxes.size(), 1u);
        EXPECT_EQ((rt.messageBoxes[0].style & vbSystemModal) != 0, expected) << onTop;
        EXPECT_EQ(rt.window("frmParam").topmost, expected) << onTop;

        // A bad field's message, then the setting turned over by the apply.
        rt.type("frmParam", "txtR", "x");
        rt.setCheck("frmParam", "chkVis", expected ? 0 : 1);
        rt.click("frmParam", "cmdOk");
        ASSERT_EQ(rt.messageBoxes.size(), 2u);
        EXPECT_EQ((rt.messageBoxes[1].style & vbSystemModal) != 0, expected) << onTop;
        EXPECT_EQ(clockWindow().topmost, !expected) << onTop;
        EXPECT_EQ(rt.window("frmParam").topmost, !expected) << onTop;
        rt.closeByUser("frmParam");
    }
}

}  // namespace
}  // namespace talvorin::testing
