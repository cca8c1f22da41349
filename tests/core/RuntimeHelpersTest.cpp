// The pure helpers every runtime relies on: twips, tick timing, click versus
// drag, and the French message-box buttons.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/Rgb.h"
#include "base/Twips.h"
#include "clock/frmMainDesign.h"
#include "platform/ControlGeometry.h"
#include "platform/FramePlacement.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Runtime.h"
#include "platform/TickSchedule.h"
#include "program/ErrorBoundary.h"
#include "scripted/ScriptedRuntime.h"

namespace talvorin {
namespace {

TEST(Twips, ConvertAtTheRealDpi) {
    EXPECT_EQ(twipsPerPixel(96), 15);
    EXPECT_EQ(twipsPerPixel(144), 10);
    EXPECT_EQ(twipsPerPixel(0), 15);            // an unknown DPI counts as 96
    EXPECT_EQ(pixelsFromTwips(2152, 96), 143);  // 143.47
    EXPECT_EQ(pixelsFromTwips(2312, 96), 154);  // 154.13
    EXPECT_EQ(pixelsFromTwips(7.5, 96), 1);     // a half rounds away from zero
    EXPECT_EQ(pixelsFromTwips(-7.5, 96), -1);
    EXPECT_EQ(pixelsFromTwips(2152, 192), 287);
    EXPECT_EQ(twipsFromPixels(34, 96), 510);
}

TEST(Twips, FontPointsToPixels) {
    EXPECT_EQ(pixelsFromPoints(48, 96), 64);
    EXPECT_EQ(pixelsFromPoints(8, 144), 16);
    EXPECT_EQ(pixelsFromPoints(1, 96), 1);  // 1.33
}

TEST(Rgb, PackClampsAndUnpackRecoversTheComponents) {
    EXPECT_EQ(packRgb(0, 64, 127), 8339456u);
    EXPECT_EQ(packRgb(300, -20, 255), 255u + 255u * 65536);
    const Rgb c = unpackRgb(8339456u);
    EXPECT_EQ(c.red, 0);
    EXPECT_EQ(c.green, 64);
    EXPECT_EQ(c.blue, 127);
    const Rgb grey = unpackRgb(0xE0E0E0);
    EXPECT_EQ(grey.red, 224);
    EXPECT_EQ(grey.blue, 224);
}

TEST(ControlGeometry, ClicksLandOnTheTopmostLabelOrTheSurface) {
    // LabDay (120, 240, 3135 x 255 twips) and LabHeure (100, 360, 15372 x
    // 7332) overlap; at 96 dpi: 8,16 209x17 and 7,24 1025x489. LabHeure
    // comes later in the design, so it takes the overlap.
    const FormDesign& clock = frmMainDesign();
    const struct {
        PixelPoint at;
        const char* label;
    } rows[] = {{{10, 20}, "LabDay"},      {{216, 23}, "LabDay"}, {{217, 23}, ""},
                {{10, 30}, "LabHeure"},    {{7, 24}, "LabHeure"}, {{6, 30}, ""},
                {{1031, 512}, "LabHeure"}, {{1032, 512}, ""},     {{3, 3}, ""}};
    for (const auto& row : rows)
        EXPECT_EQ(labelAt(clock, row.at, 96), row.label) << row.at.x << "," << row.at.y;
    const PixelRect day = pixelRect(*std::find_if(clock.controls.begin(), clock.controls.end(),
                                                  [](const auto& c) { return c.name == "LabDay"; }),
                                    144);
    EXPECT_EQ(day.left, 12);
    EXPECT_EQ(day.width, 314);  // 313.5 rounds away from zero
}

// A window mapped at (200, 100), read back, then mapped or moved back there:
// the place read is the outer frame's, and each way back asks what gives
// that frame again, at once, or once a move has been seen done.
TEST(FramePlacement, WhatIsReadIsWhereTheFrameStandsAndComesBack) {
    const struct {
        const char* wm;
        PixelPoint given;  // the client area after the map
        std::optional<FrameInset> published;
        PixelPoint outer;      // read back
        PixelPoint mapShift;   // what the manager adds to a place a map asks
        PixelPoint moveShift;  // and to a place a move asks
        bool firstMoveRight;
    } rows[] = {
        {"i3", {202, 120}, std::nullopt, {200, 100}, {2, 20}, {0, 0}, true},
        {"frame where asked, none published",
         {202, 120},
         std::nullopt,
         {200, 100},
         {2, 20},
         {2, 20},
         false},
        {"frame where asked, published",
         {204, 124},
         FrameInset{4, 24},
         {200, 100},
         {4, 24},
         {4, 24},
         true},
        {"client where asked, published",
         {200, 100},
         FrameInset{4, 24},
         {196, 76},
         {0, 0},
         {0, 0},
         true},
        {"no frame", {200, 100}, FrameInset{0, 0}, {200, 100}, {0, 0}, {0, 0}, true},
        {"no frame, kept on the screen",
         {900, 700},
         FrameInset{0, 0},
         {900, 700},
         {0, 0},
         {0, 0},
         true},
    };
    const auto lands = [](PixelPoint request, PixelPoint shift) {
        return PixelPoint{request.x + shift.x, request.y + shift.y};
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.wm);
        FramePlacement placement;
        const PixelPoint asked = placement.askFor({200, 100}, Ask::Map);
        EXPECT_EQ(asked.x, 200);  // nothing learnt yet
        placement.learn(row.given, row.published);
        const PixelPoint outer = placement.outerOf(row.given);
        EXPECT_EQ(outer.x, row.outer.x);
        EXPECT_EQ(outer.y, row.outer.y);
        const PixelPoint mapped = lands(placement.askFor(outer, Ask::Map), row.mapShift);
        EXPECT_EQ(mapped.x, row.given.x);
        EXPECT_EQ(mapped.y, row.given.y);
        const PixelPoint request = placement.askFor(outer, Ask::Move);
        const PixelPoint moved = lands(request, row.moveShift);
        EXPECT_EQ(moved.x == row.given.x && moved.y == row.given.y, row.firstMoveRight);
        placement.observe(request, moved);
        const PixelPoint again = lands(placement.askFor(outer, Ask::Move), row.moveShift);
        EXPECT_EQ(again.x, row.given.x);
        EXPECT_EQ(again.y, row.given.y);
    }
}

TEST(TickSchedule, FiresJustAfterTheNextWallClockSecond) {
    using namespace std::chrono;
    const auto at = [](int64_t ms) { return system_clock::time_point{milliseconds{ms}}; };
    // A timer that fires early (999 ms into its second) is still in the
    // period already shown, and is armed for the rest of it.
    const struct {
        int64_t now;
        int64_t delay;
        int64_t period;
    } rows[] = {{1'000'000, 1000 + 2, 1000}, {1'000'001, 999 + 2, 1000}, {1'000'999, 1 + 2, 1000},
                {1'001'000, 1000 + 2, 1001}, {1'000'500, 500 + 2, 1000}, {-1, 1 + 2, -1},
                {-1000, 1000 + 2, -1},       {-1001, 1 + 2, -2}};
    for (const auto& row : rows) {
        EXPECT_EQ(delayToNextTick(at(row.now), 1000ms).count(), row.delay) << row.now;
        EXPECT_EQ(tickPeriod(at(row.now), 1000ms), row.period) << row.now;
    }
    EXPECT_EQ(delayToNextTick(at(123), 0ms), kTickMargin);
    EXPECT_EQ(tickPeriod(at(123), 0ms), 0);
    EXPECT_EQ(delayToNextTick(at(1'000'400), 1000ms, kPreciseTickMargin).count(), 600 + 1);
}

TEST(MessageBoxStyle, FrenchButtonsWithTheirAnswerCodes) {
    const auto prompt = messageBoxLayout(vbYesNoCancel);
    ASSERT_EQ(prompt.buttons.size(), 3u);
    EXPECT_EQ(prompt.buttons[0].label, "Oui");
    EXPECT_EQ(prompt.buttons[0].answer, vbYes);
    EXPECT_EQ(prompt.buttons[1].label, "Non");
    EXPECT_EQ(prompt.buttons[1].answer, vbNo);
    EXPECT_EQ(prompt.buttons[2].label, "Annuler");
    EXPECT_EQ(prompt.buttons[2].answer, vbCancel);
    EXPECT_EQ(prompt.defaultIndex, 0);
    EXPECT_EQ(prompt.icon, MessageIcon::None);

    const auto warning = messageBoxLayout(vbExclamation);
    ASSERT_EQ(warning.buttons.size(), 1u);
    EXPECT_EQ(warning.buttons[0].label, "OK");
    EXPECT_EQ(warning.buttons[0].answer, vbOK);
    EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
    EXPECT_EQ(messageBoxLayout(vbInformation).icon, MessageIcon::Information);
}

TEST(ErrorBoundary, TracesWhatFailedAndHandsBackItsCode) {
    ScriptedRuntime trace;
    EXPECT_FALSE(guardStep(trace, "ran", [] {}));
    EXPECT_EQ(guardStep(trace, "save", [] { throw RuntimeError(ErrorCode::DiskFull, "x"); }),
              ErrorCode::DiskFull);
    EXPECT_EQ(guardStep(trace, "load", [] { throw std::bad_alloc(); }),
              ErrorCode::InvalidProcedureCall);
    EXPECT_EQ(trace.errorTrace,
              (std::vector<std::string>{"save: x: disk full (error 61)", "load: out of memory"}));
}

}  // namespace
}  // namespace talvorin
