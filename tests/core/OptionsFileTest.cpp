#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "TestSupport.h"
#include "base/Error.h"
#include "base/FileReplace.h"
#include "settings/ExtrasFile.h"
#include "settings/OptionsFile.h"

namespace talvorin {
namespace {

namespace fs = std::filesystem;
using testing::kDefaultFile;
using testing::MountedFolder;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TEST(OptionsFormat, DefaultsGiveTheKnown293ByteFile) {
    const std::string text = formatOptions(defaultSettings());
    EXPECT_EQ(text, kDefaultFile);
    EXPECT_EQ(text.size(), 293u);
}

TEST(OptionsFormat, FlagsAndNegativeNumbersAreWrittenAsHeld) {
    ClockSettings s = defaultSettings();
    s.Trans = -5;
    s.onTheTop = " 1";
    s.Secondes = "";
    const auto lines = splitLines(formatOptions(s), 99);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[1], "-5");
    EXPECT_EQ(lines[12], " 1");
    EXPECT_EQ(lines[14], "");
}

TEST(ExtrasText, ReadsEachLineOnItsOwnAndRewritesOnlyTheKnownValues) {
    const struct {
        std::string text;
        std::string on;  // clics, verrou, plein écran, survol
        std::size_t bad;
        std::string rewritten;  // with clics and survol turned on
    } rows[] = {
        {"", "0000", 0,
         "clics_traversants=1\r\nposition_verrouillee=0\r\nmasquer_plein_ecran=0\r\n"
         "survol_discret=1\r\n"},
        {"# c\n  position_verrouillee =  1 \r\nautre=x\rclics_traversants=2\n", "0100", 2,
         "# c\r\nposition_verrouillee=1\r\nautre=x\r\nclics_traversants=1\r\n"
         "masquer_plein_ecran=0\r\nsurvol_discret=1\r\n"},
        {"survol_discret=1\r\nsurvol_discret=0\r\n=1\r\nmasquer_plein_ecran\r\n", "0000", 2,
         "survol_discret=1\r\nsurvol_discret=1\r\n=1\r\nmasquer_plein_ecran\r\n"
         "clics_traversants=1\r\nposition_verrouillee=0\r\nmasquer_plein_ecran=0\r\n"},
        {"\tmasquer_plein_ecran\t=1", "0010", 0,
         "masquer_plein_ecran=1\r\nclics_traversants=1\r\nposition_verrouillee=0\r\n"
         "survol_discret=1\r\n"},
    };
    for (const auto& row : rows) {
        std::size_t bad = 0;
        Extras e = parseExtras(row.text, [&](std::size_t, const std::string&) { ++bad; });
        EXPECT_EQ(std::string({e.clicsTraversants ? '1' : '0', e.positionVerrouillee ? '1' : '0',
                               e.masquerPleinEcran ? '1' : '0', e.survolDiscret ? '1' : '0'}),
                  row.on)
            << row.text;
        EXPECT_EQ(bad, row.bad) << row.text;
        e.clicsTraversants = e.survolDiscret = true;
        EXPECT_EQ(formatExtras(row.text, e), row.rewritten);
    }
}

TEST(OptionsLines, EveryUsualLineEndSplitsAndReadingStopsEarly) {
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
    } rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},  // last line without CR LF
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {"1\r\n2\r\n3\r\n4\r\n", {"1", "2", "3"}},  // at most three asked for
    };
    for (const auto& row : rows) EXPECT_EQ(splitLines(row.bytes, 3), row.lines);
}

TEST(ReplaceFile, ReplacesTheWholeContentAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "tl_options.txt";
    writeBytes(file, std::string(5000, 'x'));
    replaceFile(file, "new");
    EXPECT_EQ(readBytes(file), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

// Checks that a failed write raised the expected error, left the old bytes
// intact and removed its temporary file.
void expectFailedWriteKeepsOld(const fs::path& file, const std::string& old, ErrorCode code) {
    try {
        writeOptions(file, defaultSettings());
        ADD_FAILURE() << "the write did not fail";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), code);
    }
    EXPECT_EQ(readBytes(file), old);
    for (const auto& entry : fs::directory_iterator(file.parent_path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST(ReplaceFile, PathThatIsAFolderRaisesAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "tl_options.txt";
    fs::create_directory(file);
    EXPECT_THROW(writeOptions(file, defaultSettings()), RuntimeError);
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(ReplaceFile, MissingFolderRaisesPathNotFound) {
    TempFolder folder;
    try {
        writeOptions(folder.path() / "gone" / "tl_options.txt", defaultSettings());
        ADD_FAILURE() << "the write did not fail";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::PathNotFound);
    }
}

TEST(ReplaceFile, FullDiskLeavesTheOldFileIntact) {
    MountedFolder disk("size=16k");
    if (!disk.mounted()) GTEST_SKIP() << disk.reason();
    const fs::path file = disk.path() / "tl_options.txt";
    const std::string old = testing::defaultFileWith(2, "200");
    writeBytes(file, old);
    // Fill what is left, so the new content finds no room.
    {
        std::ofstream filler(disk.path() / "filler", std::ios::binary);
        const std::string block(1024, 'f');
        for (int i = 0; i < 64 && filler; ++i) filler << block << std::flush;
    }
    expectFailedWriteKeepsOld(file, old, ErrorCode::DiskFull);
}

TEST(ReplaceFile, ReadOnlyFolderLeavesTheOldFileIntact) {
    MountedFolder disk("size=64k");
    if (!disk.mounted()) GTEST_SKIP() << disk.reason();
    const fs::path file = disk.path() / "tl_options.txt";
    const std::string old = testing::defaultFileWith(11, "60");
    writeBytes(file, old);
    ASSERT_TRUE(disk.remount("ro"));
    expectFailedWriteKeepsOld(file, old, ErrorCode::PermissionDenied);
    disk.remount("rw");
}

}  // namespace
}  // namespace talvorin
