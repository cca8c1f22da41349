// The once-a-second tick: the time and date it draws, and the position it
// saves only when the window has moved.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "clock/modFunctions.h"
#include "settings/OptionsFile.h"

namespace talvorin::testing {
namespace {

namespace fs = std::filesystem;

TEST(DayNames, MapNumbersModuloSevenAndFlagTheRest) {
    const struct {
        int16_t number;
        const char* name;
    } rows[] = {{0, "samedi"},      {1, "dimanche"},       {2, "lundi"},
                {3, "mardi"},       {4, "mercredi"},       {5, "jeudi"},
                {6, "vendredi"},    {7, "samedi"},         {8, "dimanche"},
                {13, "vendredi"},   {14, "samedi"},        {15, "ErreurJour"},
                {-1, "ErreurJour"}, {32767, "ErreurJour"}, {-32768, "ErreurJour"}};
    for (const auto& row : rows) EXPECT_EQ(dayName(row.number), row.name) << row.number;
}

TEST(DayNames, NameTheWeekdayOfRealDatesOnly) {
    using namespace std::chrono;
    EXPECT_EQ(dayOfWeekName(year{2026} / 12 / 6), "dimanche");
    EXPECT_EQ(dayOfWeekName(year{2026} / 12 / 12), "samedi");
    EXPECT_EQ(dayOfWeekName(year{2000} / 2 / 29), "mardi");
    EXPECT_EQ(dayOfWeekName(year{2026} / 2 / 29), "erreur jour");
    EXPECT_EQ(dayOfWeekName(year{2026} / 13 / 1), "erreur jour");
}

TEST_F(ClockTest, TimeShowsSecondsUnlessTheFlagIsExactlyZeroInTheLocalesHours) {
    const HourCycle french, us{true, false, false, "AM", "PM"},
        arabic{true, false, false, "\u0635", "\u0645"}, korean{true, false, true, "AM", "PM"};
    const struct {
        const char* flag;
        HourCycle cycle;
        int hour;
        const char* shown;
    } rows[] = {{"0", french, 14, "14:05"},   {"1", french, 14, "14:05:09"},
                {"", french, 14, "14:05:09"}, {"00", french, 14, "14:05:09"},
                {"0", french, 9, "09:05"},    {"0", us, 14, "2:05 PM"},
                {"1", us, 14, "2:05:09 PM"},  {"0", us, 0, "12:05 AM"},
                {"0", us, 12, "12:05 PM"},    {"1", arabic, 18, "\u200E6:05:09 \u0645"},
                {"0", korean, 9, "AM 9:05"}};
    givenFile(kDefaultFile);
    start();
    for (const auto& row : rows) {
        clock().settings.Secondes = row.flag;
        rt.hours = row.cycle;
        rt.now_.hour = row.hour;
        rt.tick("frmMain");
        EXPECT_EQ(clockControl("LabHeure").text, row.shown) << "'" << row.flag << "'";
    }
    EXPECT_EQ(clockControl("LabDay").text, "dimanche 06/12/2026");
}

TEST(EndRequests, AMoveSinceTheLastTickIsSavedBeforeTheProgramEnds) {
    for (const bool byClose : {false, true}) {
        HeadlessProgram p;
        p.givenFile(kDefaultFile);
        p.start();
        p.rt.tick("frmMain");
        p.rt.moveByUser("frmMain", 700, 900);
        if (byClose)
            p.rt.closeByUser("frmMain");
        else
            p.rt.endRequestHandler();
        EXPECT_EQ(lineOf(p.fileBytes(), 8), "700") << byClose;
        EXPECT_EQ(lineOf(p.fileBytes(), 9), "900") << byClose;
        EXPECT_TRUE(p.rt.ended) << byClose;
    }
}

TEST_F(ClockTest, FirstTickAfterAFallbackSavesTheRealPosition) {
    start();
    ASSERT_EQ(clock().settings.posT, 500);
    clockWindow().top = 1234;
    clockWindow().left = 4321;
    rt.tick("frmMain");
    EXPECT_EQ(clock().settings.posT, 1234);
    EXPECT_EQ(clock().settings.posL, 4321);
    EXPECT_EQ(lineOf(fileBytes(), 8), "1234");
    EXPECT_EQ(lineOf(fileBytes(), 9), "4321");
}

TEST_F(ClockTest, TicksWriteOnlyAfterAMoveAndOncePerMove) {
    givenFile(kDefaultFile);
    start();
    EXPECT_EQ(clock().settings.posT, 0);  // until the first tick
    rt.tick("frmMain");
    EXPECT_EQ(clock().settings.posT, 500);
    EXPECT_EQ(fileBytes(), kDefaultFile);

    fs::remove(optionsFile());
    for (int i = 0; i < 50; ++i, rt.now_.second = i % 60) rt.tick("frmMain");  // nor a removal
    EXPECT_FALSE(fs::exists(optionsFile())) << "a still window caused a write";

    rt.moveByUser("frmMain", 500, 900);  // only the left changes
    rt.tick("frmMain");
    EXPECT_EQ(lineOf(fileBytes(), 9), "900");
    fs::remove(optionsFile());
    rt.tick("frmMain");
    EXPECT_FALSE(fs::exists(optionsFile()));

    rt.moveByUser("frmMain", 60, 900);
    rt.tick("frmMain");
    EXPECT_EQ(lineOf(fileBytes(), 8), "60");
}

TEST_F(ClockTest, ThePositionTheWindowReportsIsWhatIsSaved) {
    givenFile(defaultFileWith({{8, "503"}, {9, "808"}}));
    // Whole pixels at 96 dpi: 15 twips each.
    rt.reportedPosition = [](double twips) { return 15 * std::round(twips / 15); };
    start();
    rt.tick("frmMain");
    EXPECT_EQ(clock().settings.posT, 510);
    EXPECT_EQ(clock().settings.posL, 810);
    EXPECT_EQ(lineOf(fileBytes(), 8), "510");
}

TEST_F(ClockTest, PositionsAreRoundedHalfToEven) {
    start();
    rt.moveByUser("frmMain", 100.5, 101.5);
    rt.tick("frmMain");
    EXPECT_EQ(clock().settings.posT, 100);
    EXPECT_EQ(clock().settings.posL, 102);
}

TEST_F(ClockTest, FailedWriteFromTheTickIsTracedAndNotRetriedEverySecond) {
    givenFile(kDefaultFile);
    start();
    fs::permissions(optionsFile(), fs::perms::owner_read | fs::perms::group_read);
    rt.errorTrace.clear();
    rt.tick("frmMain");
    EXPECT_TRUE(rt.messageBoxes.empty());
    // Not shown, but one line says which file and why.
    ASSERT_EQ(rt.errorTrace.size(), 1u);
    EXPECT_NE(rt.errorTrace[0].find(optionsFile().string()), std::string::npos) << rt.errorTrace[0];
    EXPECT_NE(rt.errorTrace[0].find("permission denied (error 70)"), std::string::npos)
        << rt.errorTrace[0];
    EXPECT_EQ(clock().settings.posT, 500);  // stored before the write
    EXPECT_TRUE(clockWindow().visible);
    EXPECT_EQ(clock().lastUnhandledError(), ErrorCode::PermissionDenied);
    EXPECT_EQ(fileBytes(), kDefaultFile);
    fs::remove(optionsFile());
    rt.tick("frmMain");
    EXPECT_FALSE(fs::exists(optionsFile()));
    EXPECT_EQ(rt.errorTrace.size(), 1u);
    EXPECT_EQ(clockControl("LabHeure").text, "14:05");  // the clock goes on
}

TEST_F(ClockTest, AHandEditWhileRunningIsLoadedOnceASecondAndSurvivesTheNextMove) {
    givenFile(kDefaultFile);
    start();
    rt.tick("frmMain");
    givenFile(defaultFileWith({{11, "60"}, {13, "1"}, {8, "600"}, {9, "700"}}) + "\r\n");
    rt.tick("frmMain");  // the same second: no second look at the file
    EXPECT_EQ(clock().settings.hText, 48);
    rt.now_.second += 1;
    rt.tick("frmMain");
    EXPECT_EQ(clock().settings.hText, 60);
    EXPECT_EQ(clockControl("LabHeure").fontSize, 60);
    EXPECT_TRUE(clockWindow().topmost);
    EXPECT_EQ(clockWindow().top, 600);
    rt.moveByUser("frmMain", 900, 100);
    rt.now_.second += 1;
    rt.tick("frmMain");
    EXPECT_EQ(fileBytes(), defaultFileWith({{11, "60"}, {13, "1"}, {8, "900"}, {9, "100"}}));
    // Its own writes are no edits: the next look finds the file as written.
    const std::size_t traces = rt.errorTrace.size();
    rt.now_.second += 1;
    rt.tick("frmMain");
    EXPECT_EQ(rt.errorTrace.size(), traces);
    EXPECT_EQ(clockWindow().top, 900);
    // An edit that spoils the file goes through the fallback, kept as .bak.
    givenFile("garbage");
    rt.now_.second += 1;
    rt.tick("frmMain");
    EXPECT_EQ(readBytes(folder.path() / "tl_options.txt.bak"), "garbage");
    EXPECT_EQ(clock().settings.hText, 48);
}

TEST_F(ClockTest, AWatchedFolderIsLookedAtOnlyAfterItChanged) {
    rt.foldersWatchable = true;
    givenFile(kDefaultFile);
    start();
    EXPECT_EQ(rt.watchedFolders, std::vector<std::string>{folder.path().string()});
    rt.tick("frmMain");
    givenFile(defaultFileWith({{11, "60"}}) + "\r\n");
    rt.now_.second += 1;
    rt.tick("frmMain");
    EXPECT_EQ(clock().settings.hText, 48);
    rt.folderChanged();
    rt.now_.second += 1;
    rt.tick("frmMain");
    EXPECT_EQ(clock().settings.hText, 60);
}

}  // namespace
}  // namespace talvorin::testing
