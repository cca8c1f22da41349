#include "Scenario.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "clock/frmMainDesign.h"
#include "dialog/frmParamDesign.h"
#include "platform/win32/ScopedWin.h"
#include "platform/win32/WindowNames.h"

namespace wine_test {

RunningProgram::RunningProgram(const std::wstring& appDir, const std::wstring& arguments) {
    std::wstring command = L"\"" + appDir + L"\\talvorin.exe\"";
    if (!arguments.empty()) command += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\",
                        &startup, &info))
        return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
    WaitForInputIdle(process_, 10000);
}

RunningProgram::~RunningProgram() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool RunningProgram::exited(std::chrono::milliseconds timeout, DWORD& code) const {
    if (WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(process_, &code);
    return true;
}

void RunningProgram::kill() const {
    TerminateProcess(process_, 137);
    WaitForSingleObject(process_, 5000);
}

// --- Files -------------------------------------------------------------------

std::wstring optionsPath(const Context& c) {
    return c.appDir + L"\\tl_options.txt";
}

std::string readBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

unsigned long long lastWriteTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

std::string optionsText(int trans, int red, int green, int blue, long long top, long long left,
                        int digits, const std::string& onTop, const std::string& seconds) {
    std::ostringstream s;
    s << "Transparence (10 - 255 ; defaut 127)\r\n"
      << trans << "\r\n"
      << "Masque R G B (0 - 255 ; defaut 0 64 127)\r\n"
      << red << "\r\n"
      << green << "\r\n"
      << blue << "\r\n"
      << "Position de la fenetre haut gauche\r\n"
      << top << "\r\n"
      << left << "\r\n"
      << "Taille des chiffres\r\n"
      << digits << "\r\n"
      << "Fenetre de l'heure toujours devant (1 True ; 0 False) ; defaut 0\r\n"
      << onTop << "\r\n"
      << "Afficher les secondes (1 True , 0 False) ; defaut 0\r\n"
      << seconds << "\r\n";
    return s.str();
}

// --- Units -------------------------------------------------------------------

int displayDpi() {
    const talvorin::win32::WindowDC screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int pixels(double twips) {
    return static_cast<int>(std::lround(twips * displayDpi() / 1440.0));
}

long long twips(int pixels) {
    return std::llround(pixels * 1440.0 / displayDpi());
}

// --- Controls ----------------------------------------------------------------

namespace {

HWND controlByDesign(HWND form, const talvorin::FormDesign& design, const char* name) {
    for (size_t i = 0; i < design.controls.size(); ++i)
        if (design.controls[i].name == name) return GetDlgItem(form, talvorin::win32::controlId(i));
    return nullptr;
}

std::string twoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::string timeOf(const SYSTEMTIME& t, bool withSeconds) {
    std::string text = twoDigits(t.wHour) + ":" + twoDigits(t.wMinute);
    return withSeconds ? text + ":" + twoDigits(t.wSecond) : text;
}

SYSTEMTIME secondsBefore(const SYSTEMTIME& t, int seconds) {
    FILETIME f{};
    SystemTimeToFileTime(&t, &f);
    ULARGE_INTEGER v{};
    v.LowPart = f.dwLowDateTime;
    v.HighPart = f.dwHighDateTime;
    v.QuadPart -= 10'000'000ULL * static_cast<unsigned>(seconds);
    f.dwLowDateTime = v.LowPart;
    f.dwHighDateTime = v.HighPart;
    SYSTEMTIME before{};
    FileTimeToSystemTime(&f, &before);
    return before;
}

}  // namespace

HWND clockLabel(HWND clock, const char* name) {
    return controlByDesign(clock, talvorin::frmMainDesign(), name);
}

HWND dialogControl(HWND dialog, const char* name) {
    return controlByDesign(dialog, talvorin::frmParamDesign(), name);
}

bool showsCurrentTime(const std::string& shown, bool withSeconds, std::string& expected) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    expected = timeOf(now, withSeconds);
    return shown == expected || shown == timeOf(secondsBefore(now, 1), withSeconds);
}

std::string todayInFrench() {
    static const char* const kDays[] = {"dimanche", "lundi",    "mardi", "mercredi",
                                        "jeudi",    "vendredi", "samedi"};
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return std::string(kDays[now.wDayOfWeek]) + " " + twoDigits(now.wDay) + "/" +
           twoDigits(now.wMonth) + "/" + std::to_string(now.wYear);
}

// --- The quit prompt ---------------------------------------------------------

HWND waitForPrompt(const RunningProgram& program) {
    return waitForWindow(program.pid(), L"#32770", L"Quitter Talvorin", 5s);
}

std::wstring promptText(HWND box) {
    std::wstring longest;
    for (HWND c : children(box))
        if (_wcsicmp(className(c).c_str(), L"Static") == 0) {
            std::wstring text = windowText(c);
            if (text.size() > longest.size()) longest = text;
        }
    return longest;
}

std::vector<std::wstring> buttonTexts(HWND box) {
    std::vector<HWND> buttons;
    for (HWND c : children(box))
        if (_wcsicmp(className(c).c_str(), L"Button") == 0 && IsWindowVisible(c))
            buttons.push_back(c);
    std::sort(buttons.begin(), buttons.end(),
              [](HWND a, HWND b) { return windowRect(a).left < windowRect(b).left; });
    std::vector<std::wstring> texts;
    for (HWND b : buttons) texts.push_back(windowText(b));
    return texts;
}

bool pressButton(HWND box, const std::wstring& text) {
    HWND button = childWithText(box, L"Button", text);
    if (!button) return false;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    return true;
}

POINT centre(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void screenshot(const Context& c, const RECT& area, const std::wstring& name) {
    const bool saved = saveScreenshot(area, c.shotDir + L"\\" + name + L".bmp");
    c.report.check(saved, "screenshot " + utf8(name));
}

}  // namespace wine_test
