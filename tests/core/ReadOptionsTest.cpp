// Start-up reading of the options file: what reaches the record, where the
// window goes, and when the defaults take over.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/OptionsFile.h"

namespace talvorin::testing {
namespace {

namespace fs = std::filesystem;

bool moved(const ScriptedWindowState& w) {
    for (const auto& op : w.operations)
        if (op.rfind("setTop", 0) == 0 || op.rfind("setLeft", 0) == 0) return true;
    return false;
}

TEST_F(ClockTest, FirstStartWritesTheDefaultsAndLeavesTheWindowWhereItWas) {
    start();
    EXPECT_EQ(clock().settings, defaultSettings());
    EXPECT_EQ(fileBytes(), kDefaultFile);
    EXPECT_FALSE(moved(clockWindow()));
    EXPECT_EQ(clockWindow().height, 2152);
    EXPECT_EQ(clockWindow().width, 2312);
    EXPECT_EQ(clockControl("LabHeure").fontSize, 48);
    EXPECT_FALSE(clockWindow().topmost);
    EXPECT_FALSE(fs::exists(folder.path() / "tl_options.txt.bak"));
    EXPECT_TRUE(rt.errorTrace.empty()) << rt.errorTrace.front();  // no file yet is no failure
}

TEST_F(ClockTest, ReadingTheDefaultFileMovesTheWindowButKeepsThePositionFields) {
    givenFile(kDefaultFile);
    start();
    ClockSettings expected = defaultSettings();
    expected.posT = 0;
    expected.posL = 0;
    EXPECT_EQ(clock().settings, expected);
    EXPECT_EQ(clockWindow().top, 500);
    EXPECT_EQ(clockWindow().left, 800);
    EXPECT_EQ(fileBytes(), kDefaultFile);
}

struct BadFile {
    const char* what;
    std::string bytes;
    bool movedByFile;  // lines 8 and 9 took effect before the failure
};

void PrintTo(const BadFile& file, std::ostream* out) {
    *out << file.what;
}

class BadOptionsFile : public ClockTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadOptionsFile, FallsBackToDefaultsAndKeepsTheOldFileAsBackup) {
    givenFile(GetParam().bytes);
    start();
    EXPECT_EQ(clock().settings, defaultSettings());
    EXPECT_EQ(fileBytes(), kDefaultFile);
    EXPECT_EQ(readBytes(folder.path() / "tl_options.txt.bak"), GetParam().bytes);
    EXPECT_EQ(clockWindow().height, 2152);
    EXPECT_EQ(clockWindow().width, 2312);
    EXPECT_EQ(clockControl("LabHeure").fontSize, 48);
    EXPECT_FALSE(clockWindow().topmost);
    ASSERT_FALSE(rt.errorTrace.empty());
    EXPECT_NE(rt.errorTrace[0].find("not loaded, defaults used"), std::string::npos);
    if (GetParam().movedByFile) {
        EXPECT_EQ(clockWindow().top, 1000);
        EXPECT_EQ(clockWindow().left, 2000);
    } else {
        EXPECT_FALSE(moved(clockWindow()));
    }
}

// A file that places the window at top 1000, left 2000, with other changes.
std::string placed(std::initializer_list<std::pair<int, std::string>> changes) {
    std::vector<std::pair<int, std::string>> lines{{8, "1000"}, {9, "2000"}};
    lines.insert(lines.end(), changes);
    return defaultFileWith(lines);
}

std::string fourteenLines() {
    const std::string bytes = placed({});
    return bytes.substr(0, bytes.size() - 3);  // without line 15
}

INSTANTIATE_TEST_SUITE_P(
    ClockTest, BadOptionsFile,
    ::testing::Values(BadFile{"fourteen lines", fourteenLines(), true},
                      BadFile{"empty file", "", false},
                      BadFile{"letters in line 2", defaultFileWith(2, "abc"), false},
                      BadFile{"40000 in line 2", defaultFileWith(2, "40000"), false},
                      BadFile{"empty line 4", defaultFileWith(4, ""), false},
                      BadFile{"beyond 32 bits in line 8", defaultFileWith(8, "3000000000"), false},
                      BadFile{"a fraction in line 6", defaultFileWith(6, "12.5"), false},
                      BadFile{"extra line at the top", "\r\n" + kDefaultFile, false},
                      BadFile{"width overflows", placed({{11, "800"}}), true},
                      BadFile{"width with seconds overflows", placed({{11, "494"}, {15, "1"}}),
                              true},
                      BadFile{"width overflows at 741", placed({{11, "741"}}), true},
                      BadFile{"height overflows", placed({{11, "1324"}}), true},
                      BadFile{"negative width", placed({{11, "-5"}}), true}),
    [](const auto& row) {
        std::string name = row.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST_F(ClockTest, TolerantReadingOfHandEditedFiles) {
    const struct {
        const char* what;
        std::string bytes;
    } rows[] = {
        {"other header texts",
         "x\r\n127\r\n\r\n0\r\n64\r\n127\r\n\r\n500\r\n800\r\n?\r\n48\r\n"
         "\r\n0\r\n-\r\n0\r\n"},
        {"lines after the fifteenth", kDefaultFile + "extra\r\nmore\r\n"},
        {"last line without CR LF", kDefaultFile.substr(0, kDefaultFile.size() - 2)},
        {"line feeds only", "a\n127\nb\n0\n64\n127\nc\n500\n800\nd\n48\ne\n0\nf\n0\n"},
        {"blanks around numbers", defaultFileWith(11, " 48 ")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        HeadlessProgram other;
        other.givenFile(row.bytes);
        frmMain& clock = other.start().mainForm();
        EXPECT_EQ(clock.settings.hText, 48);
        EXPECT_EQ(other.clockWindow().top, 500);
        EXPECT_FALSE(fs::exists(other.folder.path() / "tl_options.txt.bak"));
        // The next write restores the fixed headers and drops anything else.
        clock.settings.posT = 500;
        clock.settings.posL = 800;
        clock.writeFile();
        EXPECT_EQ(other.fileBytes(), kDefaultFile);
    }
}

TEST_F(ClockTest, FlagsAreStoredAsReadAndTestedTwoWays) {
    const struct {
        std::string topFlag, secondsFlag;
        bool topmost;
        double width;
        HourCycle hours{};  // 12 hours: room for " PM", drawn 1440 twips wide
    } rows[] = {
        {"1", "1", true, 3368},
        {"0", "0", false, 2312},
        {" 1", "2", false, 2312},
        {"True", "", false, 2312},
        {"1 ", "00", false, 2312},
        {"0", "1", false, 3368 + 1440, {true, false, false, "AM", "PM"}},
        {"0", "0", false, 2312, {false, true, false, "AM", "PM"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("'" + row.topFlag + "' '" + row.secondsFlag + "'");
        HeadlessProgram other;
        other.rt.hours = row.hours;
        other.givenFile(defaultFileWith({{13, row.topFlag}, {15, row.secondsFlag}}));
        frmMain& clock = other.start().mainForm();
        EXPECT_EQ(clock.settings.onTheTop, row.topFlag);
        EXPECT_EQ(clock.settings.Secondes, row.secondsFlag);
        EXPECT_EQ(other.clockWindow().topmost, row.topmost);
        EXPECT_EQ(other.clockWindow().width, row.width);
        clock.writeFile();
        EXPECT_EQ(lineOf(other.fileBytes(), 13), row.topFlag);
    }
}

TEST_F(ClockTest, NegativeOpacityRoundTrips) {
    givenFile(defaultFileWith(2, "-5"));
    start();
    EXPECT_EQ(clock().settings.Trans, -5);
    clock().writeFile();
    EXPECT_EQ(lineOf(fileBytes(), 2), "-5");
}

TEST_F(ClockTest, WindowThatRefusesToMoveSendsTheReaderToItsDefaults) {
    givenFile(kDefaultFile);
    rt.failingOperations = {"setLeft"};
    start();
    EXPECT_EQ(clock().settings, defaultSettings());
    EXPECT_EQ(clockWindow().top, 500);
    EXPECT_EQ(clockWindow().height, 2152);
}

}  // namespace
}  // namespace talvorin::testing
