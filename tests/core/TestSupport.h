// Shared set-up for the core tests: a private folder for the options file, the
// headless runtime and the program over it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "clock/frmMain.h"
#include "dialog/frmParam.h"
#include "platform/null/NullRuntime.h"
#include "program/Program.h"

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

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
// Joins lines, each ended by CR LF.
std::string crlf(std::initializer_list<std::string> lines);
// The default file with some lines (numbered from 1) replaced.
std::string defaultFileWith(std::initializer_list<std::pair<int, std::string>> changes);
inline std::string defaultFileWith(int number, const std::string& text) {
    return defaultFileWith({{number, text}});
}

extern const std::string kDefaultFile;

class ClockTest : public ::testing::Test {
  protected:
    ClockTest();

    std::filesystem::path optionsFile() const { return folder.path() / "tl_options.txt"; }
    std::string fileBytes() const { return readBytes(optionsFile()); }
    void givenFile(const std::string& bytes) { writeBytes(optionsFile(), bytes); }

    void start();
    frmMain& clock() { return program->mainForm(); }
    NullWindowState& clockWindow() { return rt.window("frmMain"); }
    NullControlState& clockControl(const std::string& name) {
        return clockWindow().controls.at(name);
    }

    TempFolder folder;
    NullRuntime rt;
    std::unique_ptr<Program> program;
};

}  // namespace talvorin::testing
