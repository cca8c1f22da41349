// The file layer under the options file: what the reader accepts, how the
// writer treats links, locked files and its own leftovers, and where the
// file lives.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>
#include <optional>

#include "TestSupport.h"
#include "base/Error.h"
#include "base/FileReplace.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "settings/OptionsFile.h"
#include "settings/OptionsPlace.h"

namespace talvorin::testing {
namespace {

namespace fs = std::filesystem;

TEST(Reader, ReadsOnlyRegularFilesUpTo64KiBWithoutWaiting) {
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        std::optional<ErrorCode> error;  // none: read whole
    } rows[] = {
        {"a file", [](const fs::path& p) { writeBytes(p, kDefaultFile); }, {}},
        {"exactly 64 KiB", [](const fs::path& p) { writeBytes(p, std::string(65536, 'x')); }, {}},
        {"one byte more", [](const fs::path& p) { writeBytes(p, std::string(65537, 'x')); },
         ErrorCode::PathFileAccess},
        {"a link to a file",
         [](const fs::path& p) {
             writeBytes(p.string() + ".target", kDefaultFile);
             fs::create_symlink(p.string() + ".target", p);
         },
         {}},
        {"missing", [](const fs::path&) {}, ErrorCode::FileNotFound},
        {"a dangling link", [](const fs::path& p) { fs::create_symlink("/nonexistent/x", p); },
         ErrorCode::FileNotFound},
        {"a folder", [](const fs::path& p) { fs::create_directory(p); }, ErrorCode::PathFileAccess},
        {"a FIFO", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); }, ErrorCode::PathFileAccess},
        {"/dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
         ErrorCode::PathFileAccess},
        {"/dev/null", [](const fs::path& p) { fs::create_symlink("/dev/null", p); },
         ErrorCode::PathFileAccess},
        {"a socket",
         [](const fs::path& p) {
             const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             p.string().copy(address.sun_path, sizeof address.sun_path - 1);
             ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
             ::close(s);
         },
         ErrorCode::PathFileAccess},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder folder;
        const fs::path file = folder.path() / "f";
        row.make(file);
        const auto started = std::chrono::steady_clock::now();
        try {
            const std::string bytes = os::readRegularFile(file, kMaxOptionsBytes);
            EXPECT_FALSE(row.error) << "read " << bytes.size() << " bytes";
            EXPECT_EQ(bytes, readBytes(file));
        } catch (const RuntimeError& e) {
            EXPECT_EQ(std::optional(e.code()), row.error) << e.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
    }
}

TEST(Writer, WritesThroughALinkAndKeepsIt) {
    TempFolder home, dotfiles;
    const fs::path link = home.path() / "tl_options.txt";
    const fs::path target = dotfiles.path() / "tl_options.txt";
    fs::create_symlink(fs::relative(target, home.path()), link);  // not written yet
    replaceFile(link, "first");
    replaceFile(link, "second");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(target), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(home.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dotfiles.path()), fs::directory_iterator()), 1);
}

TEST(Writer, HonoursAReadOnlyFileAndKeepsPermissions) {
    TempFolder folder;
    const fs::path file = folder.path() / "tl_options.txt";
    writeBytes(file, "locked");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(errorOf([&] { replaceFile(file, "new"); }), ErrorCode::PermissionDenied);
    EXPECT_EQ(readBytes(file), "locked");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    replaceFile(file, "new");
    EXPECT_EQ(readBytes(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// The bytes reach the disk before the rename, and the rename before the call
// returns; a step that fails leaves one whole file, the old one until the rename.
TEST(Writer, SyncsTheBytesRenamesThenSyncsTheFolderAndAFailedStepKeepsAWholeFile) {
    using enum os::DurableStep;
    const std::vector<os::DurableStep> all = {Write, SyncFile, Rename, SyncFolder};
    const struct {
        std::optional<os::DurableStep> failing;
        int error;
        std::optional<ErrorCode> code;
        const char* left;
    } rows[] = {{{}, 0, {}, "new"},
                {Write, EACCES, ErrorCode::PermissionDenied, "old"},  // a user without root
                {SyncFile, ENOSPC, ErrorCode::DiskFull, "old"},
                {Rename, EIO, ErrorCode::PathFileAccess, "old"},
                {SyncFolder, EIO, ErrorCode::PathFileAccess, "new"}};
    for (const auto& row : rows) {
        TempFolder folder;
        const fs::path file = folder.path() / "tl_options.txt";
        writeBytes(file, "old");
        std::vector<os::DurableStep> seen;
        os::setDurableStepHook([&](os::DurableStep step, const std::string&) {
            seen.push_back(step);
            return step == row.failing ? row.error : 0;
        });
        EXPECT_EQ(errorOf([&] { replaceFile(file, "new"); }), row.code) << row.error;
        os::setDurableStepHook({});
        const auto upTo =
            row.failing ? std::find(all.begin(), all.end(), *row.failing) + 1 : all.end();
        EXPECT_EQ(seen, std::vector(all.begin(), upTo)) << row.error;
        EXPECT_EQ(readBytes(file), row.left) << row.error;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()),
                  1);
    }
}

// A hand edit of the same size within the second a save was made in.
TEST(Writer, StampsTellAnEditOfTheSameSizeWithinTheSecond) {
    TempFolder folder;
    const fs::path file = folder.path() / "tl_options.txt";
    writeBytes(file, "48");
    const auto second = std::chrono::floor<std::chrono::seconds>(fs::last_write_time(file));
    fs::last_write_time(file, second);
    const os::FileStamp saved = os::stampOf(file);
    writeBytes(file, "60");
    fs::last_write_time(file, second + std::chrono::milliseconds(5));
    EXPECT_NE(os::stampOf(file), saved);
}

TEST(Writer, RemovesOnlyItsOwnLeftoversOfProcessesThatAreGone) {
    TempFolder folder;
    const fs::path file = folder.path() / "tl_options.txt";
    // A process number that is surely gone: a child that has been reaped.
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string gone = std::to_string(child);
    const std::string alive = std::to_string(::getpid());
    const struct {
        std::string name;
        bool removed;
    } rows[] = {
        {"tl_options.txt.tmp" + gone + "-0", true},
        {"tl_options.txt.tmp" + gone + "-17", true},
        {"tl_options.txt.tmp" + alive + "-3", false},  // a write under way
        {"tl_options.txt.tmp" + gone, false},
        {"tl_options.txt.tmp" + gone + "-", false},
        {"tl_options.txt.tmpx-1", false},
        {"tl_options.txt.bak", false},
        {"other.txt.tmp" + gone + "-0", false},
        {"tl_options.txt", false},
    };
    for (const auto& row : rows) writeBytes(folder.path() / row.name, "x");
    removeLeftoverTemporaries(file);
    for (const auto& row : rows)
        EXPECT_EQ(fs::exists(folder.path() / row.name), !row.removed) << row.name;
    // And beside the file a link ends at, in the root folder ("/" its folder).
    TempFolder home;
    fs::create_symlink(folder.path() / "other.txt", home.path() / "tl_options.txt");
    removeLeftoverTemporaries(home.path() / "tl_options.txt");
    EXPECT_FALSE(fs::exists(folder.path() / ("other.txt.tmp" + gone + "-0")));
    EXPECT_EQ(folderOf("/tl_options.txt"), "/");
}

TEST(Place, BesideTheProgramWhenItMayWriteThereElsePerUserSeededFromBeside) {
    const struct {
        const char* what;
        PlaceFacts facts;
        OptionsPlace place;
    } rows[] = {
        {"portable copy",
         {"/p/tl_options.txt", true, true, "/h/.config/talvorin", false},
         {"/p/tl_options.txt", ""}},
        {"installed, first start, administrator's file",
         {"/p/tl_options.txt", false, true, "/h/.config/talvorin", false},
         {"/h/.config/talvorin/tl_options.txt", "/p/tl_options.txt"}},
        {"installed, first start, nothing beside",
         {"/p/tl_options.txt", false, false, "/h/.config/talvorin", false},
         {"/h/.config/talvorin/tl_options.txt", ""}},
        {"installed, later start",
         {"/p/tl_options.txt", false, true, "/h/.config/talvorin", true},
         {"/h/.config/talvorin/tl_options.txt", ""}},
        {"installed, no known home",
         {"/p/tl_options.txt", false, true, "", false},
         {"/p/tl_options.txt", ""}},
        {"installed, root may write beside: the user's file, the administrator's defaults",
         {"/usr/bin/tl_options.txt", true, true, "/root/.config/talvorin", false, true,
          "/etc/talvorin/tl_options.txt", true},
         {"/root/.config/talvorin/tl_options.txt", "/etc/talvorin/tl_options.txt"}},
        {"installed, no administrator's defaults: not the file beside either",
         {"/usr/bin/tl_options.txt", true, true, "/h/.config/talvorin", false, true,
          "/etc/talvorin/tl_options.txt", false},
         {"/h/.config/talvorin/tl_options.txt", ""}},
    };
    for (const auto& row : rows) EXPECT_EQ(chooseOptionsPlace(row.facts), row.place) << row.what;
}

TEST(Place, InstalledFromWhereItRunsOrWhatTheInstallLeftBeside) {
    const std::vector<std::string> system = {"/usr/bin", "c:\\program files"};
    const struct {
        const char* folder;
        bool mark;
        bool installed;
    } rows[] = {
        {"/usr/bin", false, true},
        {"/opt/talvorin/bin", true, true},  // a desktop entry in ../share
        {"c:\\program files\\talvorin", false, true},
        {"c:\\program files extra\\talvorin", false, false},
        {"c:\\users\\u\\appdata\\local\\programs\\talvorin", true, true},  // uninstaller
    };
    for (const auto& row : rows)
        EXPECT_EQ(installedProgram({row.folder, system, row.mark}), row.installed) << row.folder;
}

TEST(Place, FactsComeFromTheFileSystem) {
    TempFolder program, config;
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    PlaceFacts facts = placeFactsFor(program.path());
    EXPECT_TRUE(facts.besideWritable);  // as root every folder is; the real program tests the rest
    EXPECT_FALSE(facts.besideReadable);
    writeBytes(program.path() / "tl_options.txt", kDefaultFile);
    EXPECT_TRUE(placeFactsFor(program.path()).besideReadable);
    EXPECT_EQ(os::userSettingsFolder(), (config.path() / "talvorin").string());
    ::setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
    EXPECT_EQ(os::userSettingsFolder(), fs::path(std::getenv("HOME")) / ".config" / "talvorin");
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    // Seeding the per-user file creates its folder.
    prepareOptionsPlace({(config.path() / "talvorin" / "tl_options.txt").string(),
                         (program.path() / "tl_options.txt").string()});
    EXPECT_EQ(readBytes(config.path() / "talvorin" / "tl_options.txt"), kDefaultFile);
    EXPECT_EQ(fs::status(config.path() / "talvorin").permissions(), fs::perms::owner_all);
    // An install tree, marked by the desktop entry in share/ beside bin/.
    fs::create_directories(program.path() / "bin");
    fs::create_directories(program.path() / "share" / "applications");
    writeBytes(program.path() / "share" / "applications" / "talvorin.desktop", "");
    facts = placeFactsFor((program.path() / "bin").string());
    EXPECT_TRUE(facts.installed);
    EXPECT_EQ(chooseOptionsPlace(facts).file,
              (config.path() / "talvorin" / "tl_options.txt").string());
    ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace talvorin::testing
