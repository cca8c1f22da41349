// What the test driver sees and does on the desktop, as a user would: the
// windows of a process, their texts and places, the mouse, and pictures of
// the screen. Works across processes, so talvorin.exe runs untouched.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace wine_test {

using namespace std::chrono_literals;

// Polls `condition` until it holds or `timeout` passes; returns the last result.
bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// The top-level windows of process `pid` with window class `className`.
std::vector<HWND> topLevelWindows(DWORD pid, const std::wstring& className);
// The first visible one whose title is `title`, or null.
HWND visibleWindow(DWORD pid, const std::wstring& className, const std::wstring& title);
HWND waitForWindow(DWORD pid, const std::wstring& className, const std::wstring& title,
                   std::chrono::milliseconds timeout);

std::wstring windowText(HWND hwnd);  // WM_GETTEXT, across processes
std::wstring className(HWND hwnd);
std::vector<HWND> children(HWND parent);  // direct children, in z-order (= tab order)
HWND childWithText(HWND parent, const std::wstring& className, const std::wstring& text);
RECT windowRect(HWND hwnd);
SIZE clientSize(HWND hwnd);

inline std::string utf8(const std::wstring& text) {
    return talvorin::win32::narrow(text);
}

// Real input through SendInput, screen pixels.
void mouseMoveTo(POINT p);
void mousePress(POINT p);
void mouseRelease();
void click(POINT p);
// Presses at `from`, moves in steps by `by`, releases; returns where the
// pointer really was at the press and the release.
std::pair<POINT, POINT> drag(POINT from, POINT by);
void pressKey(WORD virtualKey);
void typeDigits(const std::string& digits);

// Saves the screen area `area` as a 24-bit BMP.
bool saveScreenshot(const RECT& area, const std::wstring& path);

}  // namespace wine_test
