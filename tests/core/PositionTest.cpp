// Window positions at every DPI: twips read from the file, applied and read
// back are the same integer, a window the user moved reports twips that map
// back to its pixel, and the tick writes only for a move of a pixel or more.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "base/Twips.h"
#include "base/WindowPosition.h"
#include "settings/OptionsFile.h"

namespace talvorin::testing {
namespace {

namespace fs = std::filesystem;

constexpr double kDpis[] = {96, 108, 120, 132, 144, 168, 192, 216, 240, 264, 288};

// Desktops of two monitors. Positions are counted at the primary (system)
// DPI on both, whatever the secondary's own DPI, so a secondary is only a
// place far from the origin, on either side.
struct Layout {
    const char* what;
    PixelPoint secondaryOrigin;  // screen pixels
};

constexpr Layout kLayouts[] = {
    {"one monitor", {0, 0}},
    {"secondary at the right", {2560, 0}},
    {"secondary at the left", {-3840, 0}},
    {"secondary above", {0, -1800}},
    {"secondary below at the right", {1920, 1080}},
};

constexpr int32_t kPixelOffsets[] = {0, 1, 7, 33, 201, 1001, 2499};

TEST(Positions, TwipsGivenAreReadBackUntilTheWindowMoves) {
    for (double dpi : kDpis)
        for (int32_t twips :
             {0, 1, 7, 503, 1508, 1509, 1511, -1509, 2999, 163835}) {  // 32767 px at 288 dpi
            TwipsPosition axis;
            const int32_t pixel = axis.place(twips, dpi);
            EXPECT_EQ(axis.twipsAt(pixel, dpi), twips) << twips << " twips at " << dpi;
            // Moved by one pixel: no longer the given twips, but the pixel's own.
            const double moved = axis.twipsAt(pixel + 1, dpi);
            EXPECT_NE(moved, twips);
            EXPECT_EQ(pixelsFromTwips(moved, dpi), pixel + 1) << twips << " at " << dpi;
            // The DPI changed while running: the pixel's twips at the new one, or the
            // tick would see a move every second.
            EXPECT_EQ(pixelsFromTwips(axis.twipsAt(pixel, dpi + 24), dpi + 24), pixel) << twips;
        }
}

TEST(Positions, SavedOnAnyMonitorReopenOnTheSamePixel) {
    for (const Layout& layout : kLayouts)
        for (double basis : kDpis) {
            for (int32_t offset : kPixelOffsets)
                for (int32_t sign : {1, -1}) {
                    const PixelPoint dragged{layout.secondaryOrigin.x + sign * offset,
                                             layout.secondaryOrigin.y + sign * offset};
                    // Where the user left the window, as the tick saves it.
                    const TwipsPosition before;
                    const double savedLeft = before.twipsAt(dragged.x, basis);
                    const double savedTop = before.twipsAt(dragged.y, basis);
                    ASSERT_EQ(savedLeft, std::round(savedLeft));
                    // The next start: read, applied, read back.
                    TwipsPosition left, top;
                    EXPECT_EQ(left.place(savedLeft, basis), dragged.x)
                        << layout.what << " at " << basis << ", " << dragged.x;
                    EXPECT_EQ(top.place(savedTop, basis), dragged.y)
                        << layout.what << " at " << basis << ", " << dragged.y;
                    EXPECT_EQ(left.twipsAt(dragged.x, basis), savedLeft);
                    EXPECT_EQ(top.twipsAt(dragged.y, basis), savedTop);
                }
        }
}

TEST(Positions, NoCoordinateBeyondSixteenBitsReachesTheWindowSystem) {
    TwipsPosition axis;
    EXPECT_EQ(axis.place(491505, 96), 32767);
    EXPECT_EQ(axis.place(491505, 144), 32767);
    EXPECT_EQ(axis.place(-491505, 192), -32768);
    EXPECT_EQ(axis.place(2147483647.0, 288), 32767);
    EXPECT_EQ(axis.place(-2147483648.0, 96), -32768);
    // The window stands on the edge of the range, not on the given pixel.
    EXPECT_EQ(axis.twipsAt(-32768, 96), -491520);
    EXPECT_EQ(positionTwipsFromPixels(INT32_MAX, 96), INT32_MAX);
    EXPECT_EQ(positionTwipsFromPixels(INT32_MIN, 96), INT32_MIN);
}

// A runtime that reports fractional twips, as one without these rules does:
// only the tick's comparison in pixels keeps it from writing every second.
TEST_F(ClockTest, IdleTicksAfterTheFirstWriteNothingAtAnyDpi) {
    for (double dpi : {96.0, 120.0, 144.0, 168.0, 192.0, 216.0, 288.0})
        for (const char* position : {"1508", "1509", "1001", "7"}) {
            program.reset();
            rt.positionDpi_ = dpi;
            rt.reportedPosition = [dpi](double twips) {
                return twipsFromPixels(pixelsFromTwips(twips, dpi), dpi);
            };
            givenFile(defaultFileWith({{8, position}, {9, position}}));
            start();
            rt.tick("frmMain");
            fs::remove(optionsFile());
            for (int second = 0; second < 10; ++second) rt.tick("frmMain");
            EXPECT_FALSE(fs::exists(optionsFile())) << position << " at " << dpi << " dpi";

            // A move of one pixel is saved, once.
            const double pixel = twipsPerPixel(dpi);
            rt.moveByUser("frmMain", clockWindow().top + pixel, clockWindow().left);
            rt.tick("frmMain");
            ASSERT_TRUE(fs::exists(optionsFile())) << position << " at " << dpi << " dpi";
            fs::remove(optionsFile());
            rt.tick("frmMain");
            EXPECT_FALSE(fs::exists(optionsFile())) << position << " at " << dpi << " dpi";
        }
}

}  // namespace
}  // namespace talvorin::testing
