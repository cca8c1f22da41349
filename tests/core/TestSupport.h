// Shared set-up for the core tests: a private folder for the options file, the
// headless runtime and the program over it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <source_location>
#include <string>
#include <utility>
#include <vector>

#include "base/Error.h"
#include "clock/frmMain.h"
#include "dialog/frmParam.h"
#include "program/Program.h"
#include "scripted/ScriptedRuntime.h"

namespace talvorin::testing {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A small file system of the test's own, for the faults a folder's
// permissions cannot bring about when the tests run as root (a full disk, a
// read-only folder). Tests skip when it cannot be mounted.
class MountedFolder {
  public:
    explicit MountedFolder(const std::string& options);
    ~MountedFolder();
    MountedFolder(const MountedFolder&) = delete;
    MountedFolder& operator=(const MountedFolder&) = delete;
    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    const std::filesystem::path& path() const { return folder_.path(); }
    bool remount(const std::string& options);

  private:
    TempFolder folder_;
    bool mounted_ = false;
    std::string reason_;
};

// The code of the RuntimeError a call raises; none when it returns.
std::optional<ErrorCode> errorOf(auto&& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.code();
    }
    return std::nullopt;
}

// Whether a line of the error trace holds `text`.
inline bool traced(const ScriptedRuntime& runtime, std::string_view text) {
    return std::ranges::any_of(runtime.errorTrace, [&](const std::string& line) {
        return line.find(text) != std::string::npos;
    });
}

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
// Joins lines, each ended by CR LF.
std::string crlf(std::initializer_list<std::string> lines);
// The default file with some lines (numbered from 1) replaced; of two
// changes to one line the later wins.
std::string defaultFileWith(const std::vector<std::pair<int, std::string>>& changes);
inline std::string defaultFileWith(int number, const std::string& text) {
    return defaultFileWith({{number, text}});
}
// Line `number` (from 1) of a file's bytes. A missing line fails the calling
// test and reads as "", so a fault that shortens the file cannot crash the
// whole test binary.
std::string lineOf(const std::string& bytes, int number,
                   std::source_location where = std::source_location::current());

extern const std::string kDefaultFile;

// The program over the headless runtime, in a private folder, with the wall
// clock at 2026-12-06 14:05:09. A table-driven test makes one per row.
struct HeadlessProgram {
    HeadlessProgram();

    std::filesystem::path optionsFile() const { return folder.path() / "tl_options.txt"; }
    std::string fileBytes() const { return readBytes(optionsFile()); }
    void givenFile(const std::string& bytes) { writeBytes(optionsFile(), bytes); }

    // Creates the program and starts it, as the executable's main does.
    Program& start();
    frmMain& clock() { return program->mainForm(); }
    ScriptedWindowState& clockWindow() { return rt.window("frmMain"); }
    ScriptedControlState& clockControl(const std::string& name) {
        return clockWindow().controls.at(name);
    }

    TempFolder folder;
    ScriptedRuntime rt;
    std::unique_ptr<Program> program;
};

class ClockTest : public ::testing::Test, protected HeadlessProgram {};

}  // namespace talvorin::testing
