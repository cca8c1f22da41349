// The Windows runtime: builds forms as Win32 windows, answers the core's
// questions (time, locale texts, directory, version, message boxes) from
// Windows itself, and runs the message loop the forms live in.
#pragma once

#include <vector>

#include "platform/Runtime.h"
#include "platform/win32/BoundUser32.h"
#include "platform/win32/EndSession.h"
#include "platform/win32/FirstFrameSteps.h"
#include "platform/win32/FontFaces.h"
#include "platform/win32/ShowDesktop.h"
#include "platform/win32/Win32FolderWatch.h"
#include "platform/win32/Win32SingleInstance.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

class Win32Runtime final : public Runtime {
  public:
    explicit Win32Runtime(HINSTANCE instance);

    // Runs until the last form has gone or end() was called; returns the exit code.
    int run();

    std::unique_ptr<FormView> createForm(const FormDesign& design, FormEvents& events) override;
    User32& user32() override { return user32_; }

    int msgBox(const std::string& prompt, int style, const std::string& title) override;
    std::string directory() const override;
    Version version() const override;

    LocalTime now() const override;
    HourCycle hourCycle() const override;
    std::string dateText(const LocalTime& t) const override;

    void doEvents() override;
    void end() override;
    // Run from this runtime's own loop (run, doEvents) a moment after the
    // first form painted, or before the user's first click or key.
    void afterFirstPaint(std::function<void()> step) override;
    // OutputDebugStringW, and stderr when the program has one (started from
    // a console, or with its output redirected).
    void reportError(const std::string& line) override;
    PixelPoint dragThreshold() const override;
    bool claimInstance(const std::string& key, InstanceRequests requests) override;
    std::vector<PixelRect> workAreas() const override;
    double positionDpi() const override;
    bool fullScreenInFront(Hwnd window) const override;
    std::unique_ptr<TrayIcon> createTrayIcon(const TrayDesign& design, TrayEvents& events) override;
    bool startsAtLogin() const override;
    void setStartAtLogin(bool on) override;
    bool watchFolder(const std::string& folder, std::function<void()> changed) override;
    void watchEndRequests(std::function<void()> onEndRequest) override {
        endSession_.watch(instance_, std::move(onEndRequest));
    }

    // For the forms.
    HINSTANCE instance() const { return instance_; }
    FontFaces& fontFaces() { return fontFaces_; }
    // `dialogKeys`: Tab, arrows and mnemonics move between its controls.
    void formCreated(HWND form, bool dialogKeys);
    void formGone(HWND form);
    // Lifted above the desktop while the user shows it.
    void keepOnShownDesktop(HWND form);
    void formPainted() { firstFrameSteps_.painted(); }
    void shellStarted() { showDesktop_.shellStarted(); }

  private:
    struct LiveForm {
        HWND hwnd;
        bool dialogKeys;
    };

    void dispatch(MSG& msg);
    void useCommonControls();
    // Waits for a message or a change in the watched folder; false on WM_QUIT.
    bool pumpOnce(MSG& msg);

    HINSTANCE instance_;
    BoundUser32 user32_;
    FontFaces fontFaces_;
    std::vector<LiveForm> forms_;
    Win32SingleInstance singleInstance_;
    Win32FolderWatch folderWatch_;
    EndSession endSession_;
    ShowDesktop showDesktop_;
    FirstFrameSteps firstFrameSteps_;
    bool commonControls_ = false;
    bool ended_ = false;
};

}  // namespace talvorin::win32
