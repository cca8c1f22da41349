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
