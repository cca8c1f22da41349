// Shared pieces of the scenarios: the running program, the options file as
// bytes, the expected texts and the display's unit conversions.
#pragma once

#include <string>

#include "Desktop.h"
#include "Harness.h"
#include "platform/Design.h"

namespace wine_test {

// talvorin.exe started from another working directory, so that the options
// file can only land beside the executable. Killed at the end if still running.
class RunningProgram {
  public:
    explicit RunningProgram(const std::wstring& appDir, const std::wstring& arguments = L"");
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD pid() const { return pid_; }
    // True when the process ended within `timeout`; its exit code in `code`.
    bool exited(std::chrono::milliseconds timeout, DWORD& code) const;
    // Ends the process at once, as a crash or the task manager would.
    void kill() const;

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

struct Context {
    std::wstring appDir;   // Windows path of the folder holding talvorin.exe
    std::wstring shotDir;  // where screenshots go
    Report& report;
};

std::wstring optionsPath(const Context& c);
// The file's bytes; empty when it is missing.
std::string readBytes(const std::wstring& path);
bool writeBytes(const std::wstring& path, const std::string& bytes);
unsigned long long lastWriteTime(const std::wstring& path);

// The options file as the program must write it, from its nine values.
std::string optionsText(int trans, int red, int green, int blue, long long top, long long left,
                        int digits, const std::string& onTop, const std::string& seconds);

int displayDpi();
int pixels(double twips);     // at the display's DPI, nearest pixel
long long twips(int pixels);  // exact at the usual DPIs (96: 15 twips per pixel)

// The clock's labels by their design names, and their texts.
HWND clockLabel(HWND clock, const char* name);
HWND dialogControl(HWND dialog, const char* name);
// The time the clock must show now (it may still show the previous second).
bool showsCurrentTime(const std::string& shown, bool withSeconds, std::string& expected);
// French day name, a blank and the date dd/mm/yyyy, for today.
std::string todayInFrench();

// The quit prompt of the program, once it is up.
HWND waitForPrompt(const RunningProgram& program);
std::wstring promptText(HWND box);
std::vector<std::wstring> buttonTexts(HWND box);  // left to right
bool pressButton(HWND box, const std::wstring& text);

POINT centre(const RECT& r);
void screenshot(const Context& c, const RECT& area, const std::wstring& name);

}  // namespace wine_test
