#include "ReachScenarios.h"

#include <thread>

#include "platform/win32/WindowNames.h"

namespace wine_test {

namespace {

using talvorin::win32::kFormClass;

constexpr const wchar_t* kClockTitle = L"Talvorin V1.1.8";

// How often the options file was replaced during `span`, watched every 20 ms.
int writesDuring(const Context& c, std::chrono::milliseconds span) {
    int writes = 0;
    unsigned long long last = lastWriteTime(optionsPath(c));
    const auto end = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(20ms);
        const unsigned long long now = lastWriteTime(optionsPath(c));
        if (now != last) ++writes;
        last = now;
    }
    return writes;
}

RECT workArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

bool inside(const RECT& r, const RECT& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right &&
           r.bottom <= area.bottom;
}

std::string where(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top);
}

}  // namespace

void idleWrites(Context& c) {
    // Twips that are no whole number of pixels at most DPIs.
    constexpr int kTop = 1509, kLeft = 3007;
    writeBytes(optionsPath(c), optionsText(127, 0, 64, 127, kTop, kLeft, 48, "0", "1"));
    const unsigned long long prepared = lastWriteTime(optionsPath(c));
    RunningProgram program(c.appDir);
    HWND clock = waitForWindow(program.pid(), kFormClass, kClockTitle, 15s);
    if (!c.report.check(clock != nullptr, "the clock shows")) return;
    // Wine may report the place a moment after the window shows.
    const std::string expected = where(RECT{pixels(kLeft), pixels(kTop), 0, 0});
    waitFor([&] { return where(windowRect(clock)) == expected; }, 2s);
    const RECT r = windowRect(clock);
    c.report.equal(where(r), expected, "the clock stands on the pixel of the file's twips");

    std::this_thread::sleep_for(1500ms);  // the first tick
    const int first = lastWriteTime(optionsPath(c)) != prepared ? 1 : 0;
    const int idle = writesDuring(c, 10s);
    c.report.note("writes: " + std::to_string(first) + " at the first tick, " +
                  std::to_string(idle) + " in the next 10 s");
    c.report.equal(idle, 0, "an idle clock writes nothing for 10 s");
    c.report.equal(readBytes(optionsPath(c)),
                   optionsText(127, 0, 64, 127, kTop, kLeft, 48, "0", "1"),
                   "the file still holds the twips it gave, to the unit");

    // Dragged to pixels of its own: one write, then none.
    const POINT grip{r.left + 9, r.top + 9};
    drag(grip, POINT{37, 23});
    std::this_thread::sleep_for(1500ms);
    const RECT moved = windowRect(clock);
    c.report.check(moved.left != r.left, "the drag moved the clock");
    c.report.equal(readBytes(optionsPath(c)),
                   optionsText(127, 0, 64, 127, twips(moved.top), twips(moved.left), 48, "0", "1"),
                   "the dragged place is saved");
    const int afterDrag = writesDuring(c, 5s);
    c.report.note("writes in the 5 s after the drag's save: " + std::to_string(afterDrag));
    c.report.equal(afterDrag, 0, "a dragged clock that stays writes nothing more");
    screenshot(c, moved, L"clock-idle-odd-position");
}

void lostPositions(Context& c) {
    const RECT area = workArea();
    const struct {
        const char* what;
        long long top, left;
    } rows[] = {
        {"beyond the right", 1500, 200000},
        {"beyond the left", 1500, -60000},
        {"beyond the top", -60000, 1500},
        {"beyond the bottom", 200000, 1500},
        {"on a second monitor no longer there", 1500, 2560 * 15 + 3000},
        {"491505", 491505, 491505},
        {"-491505", -491505, -491505},
        {"2^31-1", 2147483647, 2147483647},
    };
    for (const auto& row : rows) {
        writeBytes(optionsPath(c), optionsText(127, 0, 64, 127, row.top, row.left, 48, "0", "0"));
        RunningProgram program(c.appDir);
        HWND clock = waitForWindow(program.pid(), kFormClass, kClockTitle, 15s);
        if (!c.report.check(clock != nullptr, std::string(row.what) + ": the clock shows"))
            continue;
        std::this_thread::sleep_for(1s);
        const RECT r = windowRect(clock);
        c.report.check(inside(r, area), std::string(row.what) + ": fully in the work area at " +
                                            where(r) + " within 1 s");
        const std::string expected =
            optionsText(127, 0, 64, 127, twips(r.top), twips(r.left), 48, "0", "0");
        waitFor([&] { return readBytes(optionsPath(c)) == expected; }, 2s);
        c.report.equal(readBytes(optionsPath(c)), expected,
                       std::string(row.what) + ": the file says where");
    }
}

}  // namespace wine_test

namespace wine_test {

namespace {

bool topmost(HWND hwnd) {
    return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// What the window system can do to the clock behind its back: put it out of
// the topmost band, or where no monitor is any more.
void dropFromTopmost(HWND clock) {
    SetWindowPos(clock, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void displayChanges(Context& c) {
    writeBytes(optionsPath(c), optionsText(127, 0, 64, 127, 1500, 3000, 48, "1", "0"));
    RunningProgram program(c.appDir);
    HWND clock = waitForWindow(program.pid(), kFormClass, kClockTitle, 15s);
    if (!c.report.check(clock != nullptr, "the clock shows")) return;
    if (!c.report.check(waitFor([&] { return topmost(clock); }, 3s), "topmost with line 13 = 1"))
        return;
    const RECT area = workArea();

    // As when a second monitor holding the clock is unplugged.
    SetWindowPos(clock, nullptr, area.right + 500, 200, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(clock, WM_DISPLAYCHANGE, 24, MAKELPARAM(area.right, area.bottom));
    const bool back = waitFor([&] { return inside(windowRect(clock), area); }, 1s);
    c.report.check(back, "after a display change the clock is back in the work area at " +
                             where(windowRect(clock)));
    const RECT r = windowRect(clock);
    const std::string expected =
        optionsText(127, 0, 64, 127, twips(r.top), twips(r.left), 48, "1", "0");
    waitFor([&] { return readBytes(optionsPath(c)) == expected; }, 3s);
    c.report.equal(readBytes(optionsPath(c)), expected, "the tick saves the new place");

    // A work area that shrank under the clock (a task bar moved onto it).
    SetWindowPos(clock, nullptr, area.left - 400, area.top + 50, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(clock, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    c.report.check(
        waitFor([&] { return inside(windowRect(clock), area); }, 1s),
        "after a work-area change the clock is back in it at " + where(windowRect(clock)));

    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
    } losses[] = {
        {"the shell restarted", RegisterWindowMessageW(L"TaskbarCreated"), 0},
        {"the system resumed", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
        {"a display change", WM_DISPLAYCHANGE, 24},
    };
    for (const auto& loss : losses) {
        dropFromTopmost(clock);
        if (!c.report.check(!topmost(clock), std::string(loss.what) + ": topmost dropped first"))
            continue;
        SendMessageW(clock, loss.message, loss.wParam, 0);
        c.report.check(waitFor([&] { return topmost(clock); }, 1s),
                       std::string(loss.what) + ": topmost again");
    }
    screenshot(c, windowRect(clock), L"clock-after-display-change");
}

}  // namespace wine_test
