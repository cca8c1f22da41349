#include "platform/win32/FirstFrameSteps.h"

#include <algorithm>

namespace talvorin::win32 {

namespace {

bool userActs(const MSG& msg) {
    switch (msg.message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return true;
        default:
            return false;
    }
}

}  // namespace

void FirstFrameSteps::painted() {
    if (frame_ != Frame::NotPainted) return;
    frame_ = Frame::Painted;
    paintedAt_ = Clock::now();
}

bool FirstFrameSteps::due(const MSG* msg) const {
    switch (frame_) {
        case Frame::NotPainted:
            return false;
        case Frame::Painted:
            return (msg && userActs(*msg)) || Clock::now() >= paintedAt_ + kAfterPaint;
        case Frame::Shown:
            return true;
    }
    return false;
}

void FirstFrameSteps::runIfDue(const MSG* msg) {
    // Before every message the program handles: nothing to do once all ran.
    if (!steps_.empty() && due(msg)) runNow();
}

void FirstFrameSteps::runNow() {
    frame_ = Frame::Shown;
    // A step may add another: that one runs on the next turn.
    const std::vector<std::function<void()>> steps = std::move(steps_);
    steps_.clear();
    for (const std::function<void()>& step : steps) step();
}

DWORD FirstFrameSteps::waitLimit() const {
    if (steps_.empty()) return INFINITE;
    switch (frame_) {
        case Frame::NotPainted:
            return static_cast<DWORD>(kUnpaintedLimit.count());
        case Frame::Painted: {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                paintedAt_ + kAfterPaint - Clock::now());
            return static_cast<DWORD>(std::max<long long>(0, left.count()));
        }
        case Frame::Shown:
            return 0;
    }
    return INFINITE;
}

}  // namespace talvorin::win32
