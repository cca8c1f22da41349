// The Linux runtime: the core's forms as Qt 6 widgets on X11, message boxes,
// the locale's clock texts, and the application's place and version.
#pragma once

#include "platform/Runtime.h"
#include "platform/qt/ClockChangeWatcher.h"
#include "platform/qt/DisplayWatcher.h"
#include "platform/qt/FirstFrame.h"
#include "platform/qt/LocaleClock.h"
#include "platform/qt/QtEndRequests.h"
#include "platform/qt/QtFolderWatch.h"
#include "platform/qt/QtSingleInstance.h"
#include "platform/qt/QtUser32.h"

namespace talvorin {

class QtRuntime final : public Runtime {
  public:
    std::unique_ptr<FormView> createForm(const FormDesign& design, FormEvents& events) override;
    User32& user32() override { return user32_; }

    int msgBox(const std::string& prompt, int style, const std::string& title) override;

    std::string directory() const override;
    Version version() const override;

    LocalTime now() const override { return clock_.now(); }
    HourCycle hourCycle() const override { return clock_.hourCycle(); }
    std::string dateText(const LocalTime& t) const override { return clock_.dateText(t); }

    void doEvents() override;
    void end() override;
    void afterFirstPaint(std::function<void()> step) override { firstFrame_.then(std::move(step)); }
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
        endRequests_.watch(std::move(onEndRequest));
    }

  private:
    FirstFrame firstFrame_;
    QtEndRequests endRequests_;
    ClockChangeWatcher clockChanges_;
    LocaleClock clock_;
    QtUser32 user32_;
    QtSingleInstance instance_;
    DisplayWatcher displayChanges_;
    QtFolderWatch folderWatch_;
};

}  // namespace talvorin
