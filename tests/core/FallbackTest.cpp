// A file that fails to load is kept, by rename, whatever stands in the way:
// the table gives what is there at start and where the user's file must end.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string_view>

#include "TestSupport.h"
#include "settings/OptionsFile.h"

namespace talvorin::testing {
namespace {

namespace fs = std::filesystem;

struct Kept {
    const char* what;
    std::function<void(const fs::path& folder)> given;  // the options file and its .bak names
    const char* keptAs;                                 // "" when it cannot be kept
    fs::file_type keptType;
    std::string bytes = {};  // what a kept regular file must still hold
};

void makeFolders(const fs::path& folder, int from, int to) {
    for (int n = from; n <= to; ++n)
        fs::create_directory(folder / ("tl_options.txt.bak" + (n ? std::to_string(n) : "")));
}

TEST(Fallback, KeepsTheFileThatFailedToLoadBesideIt) {
    const std::string bad = "hand edit\r\n";
    const std::string huge = kDefaultFile + std::string(70000, ' ');
    auto file = [&](const fs::path& folder) { writeBytes(folder / "tl_options.txt", bad); };
    const Kept rows[] = {
        {"no .bak yet", file, "tl_options.txt.bak", fs::file_type::regular, bad},
        {"an older .bak file",
         [&](const fs::path& f) {
             file(f);
             writeBytes(f / "tl_options.txt.bak", "older");
         },
         "tl_options.txt.bak", fs::file_type::regular, bad},
        {".bak a folder",
         [&](const fs::path& f) {
             file(f);
             makeFolders(f, 0, 0);
         },
         "tl_options.txt.bak1", fs::file_type::regular, bad},
        {".bak a folder and .bak1 a file",
         [&](const fs::path& f) {
             file(f);
             makeFolders(f, 0, 0);
             writeBytes(f / "tl_options.txt.bak1", "older");
         },
         "tl_options.txt.bak2", fs::file_type::regular, bad},
        {".bak a link",
         [&](const fs::path& f) {
             file(f);
             fs::create_symlink("/etc/hostname", f / "tl_options.txt.bak");
         },
         "tl_options.txt.bak1", fs::file_type::regular, bad},
        {"a file longer than 64 KiB",
         [&](const fs::path& f) { writeBytes(f / "tl_options.txt", huge); }, "tl_options.txt.bak",
         fs::file_type::regular, huge},
        {"a folder", [](const fs::path& f) { fs::create_directory(f / "tl_options.txt"); },
         "tl_options.txt.bak", fs::file_type::directory},
        {"a FIFO", [](const fs::path& f) { ::mkfifo((f / "tl_options.txt").c_str(), 0644); },
         "tl_options.txt.bak", fs::file_type::fifo},
        {"a link to /dev/zero",
         [](const fs::path& f) { fs::create_symlink("/dev/zero", f / "tl_options.txt"); },
         "tl_options.txt.bak", fs::file_type::symlink},
        {"a link to itself",
         [](const fs::path& f) { fs::create_symlink(f / "tl_options.txt", f / "tl_options.txt"); },
         "tl_options.txt.bak", fs::file_type::symlink},
        {"only the last numbered name free",
         [&](const fs::path& f) {
             file(f);
             makeFolders(f, 0, 98);
         },
         "tl_options.txt.bak99", fs::file_type::regular, bad},
        {"no free name",
         [&](const fs::path& f) {
             file(f);
             makeFolders(f, 0, 99);
         },
         "", fs::file_type::regular, bad},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        // Without root the program rightly moves to the user's own file: a
        // link is written where it points, and /dev is not the user's.
        if (std::string_view(row.what).find("/dev/") != std::string_view::npos &&
            ::access("/dev", W_OK) != 0)
            continue;
        TempFolder folder;
        row.given(folder.path());
        ScriptedRuntime runtime;
        runtime.directory_ = folder.path();
        Program program(runtime);
        const auto started = std::chrono::steady_clock::now();
        program.start();
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
        EXPECT_TRUE(runtime.window("frmMain").visible);
        EXPECT_EQ(program.mainForm().settings, defaultSettings());
        const fs::path options = folder.path() / "tl_options.txt";
        if (std::string(row.keptAs).empty()) {
            // Kept where it is, and never written over while the clock runs.
            EXPECT_EQ(fs::symlink_status(options).type(), row.keptType);
            runtime.moveByUser("frmMain", 100, 100);
            runtime.tick("frmMain");
            EXPECT_EQ(readBytes(options), row.bytes);
            EXPECT_TRUE(traced(runtime, "could not be set aside"));
            writeBytes(options, kDefaultFile + "\r\n");  // mended by hand: saved again
            runtime.now_.second += 1;
            runtime.tick("frmMain");
            EXPECT_EQ(readBytes(options), kDefaultFile);
            continue;
        }
        const fs::path kept = folder.path() / row.keptAs;
        EXPECT_EQ(fs::symlink_status(kept).type(), row.keptType);
        EXPECT_TRUE(traced(runtime, " kept as " + kept.string()));
        if (row.keptType == fs::file_type::regular) {
            EXPECT_EQ(readBytes(kept), row.bytes);
        }
        EXPECT_EQ(readBytes(options), kDefaultFile);
    }
}

}  // namespace
}  // namespace talvorin::testing
