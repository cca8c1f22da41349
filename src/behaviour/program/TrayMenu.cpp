#include "program/TrayMenu.h"

#include "base/ErrorText.h"
#include "clock/TimeText.h"
#include "clock/frmMain.h"
#include "clock/modFunctions.h"
#include "program/Transparence.h"

namespace talvorin {

namespace {

std::tuple<int, unsigned, unsigned, int, int> minuteOf(const LocalTime& t) {
    return {static_cast<int>(t.date.year()), static_cast<unsigned>(t.date.month()),
            static_cast<unsigned>(t.date.day()), t.hour, t.minute};
}

}  // namespace

TrayDesign trayDesign(const std::string& toolTip, bool startsAtLogin) {
    TrayDesign design;
    design.toolTip = toolTip;
    design.items = {
        {std::string(kTrayShowClock), "Afficher l'horloge"},
        {std::string(kTraySettings), "Paramètres…"},
        {std::string(kTrayStartAtLogin), "Lancer à l'ouverture de session", true, startsAtLogin},
        {"", ""},
        {std::string(kTrayQuit), "Quitter"},
    };
    return design;
}

std::string trayToolTip(const Runtime& runtime, const LocalTime& now) {
    return dayOfWeekName(now.date) + " " + runtime.dateText(now) + " " +
           clockTimeText(now, false, runtime.hourCycle());
}

TrayMenu::TrayMenu(Runtime& runtime, frmMain& clock, std::function<void()> showSettings)
    : runtime_(runtime), clock_(clock), showSettings_(std::move(showSettings)) {}

void TrayMenu::create() noexcept {
    try {
        const LocalTime now = runtime_.now();
        bool atLogin = false;
        try {
            atLogin = runtime_.startsAtLogin();
        } catch (...) {
            traceCurrentError("start at login not read");
        }
        icon_ = runtime_.createTrayIcon(trayDesign(trayToolTip(runtime_, now), atLogin), *this);
        if (icon_) minuteShown_ = minuteOf(now);
    } catch (...) {
        traceCurrentError("notification-area icon not added");
    }
}

void TrayMenu::clockTicked(const LocalTime& now) noexcept {
    if (!icon_ || minuteShown_ == minuteOf(now)) return;
    try {
        minuteShown_ = minuteOf(now);
        icon_->setToolTip(trayToolTip(runtime_, now));
    } catch (...) {
        traceCurrentError("tooltip not changed");
    }
}

void TrayMenu::onTrayItem(std::string_view id) noexcept {
    try {
        if (id == kTrayShowClock)
            showClock();
        else if (id == kTraySettings)
            showSettings_();
        else if (id == kTrayStartAtLogin)
            toggleStartAtLogin();
        else if (id == kTrayQuit)
            quit();
    } catch (...) {
        traceCurrentError("menu item " + std::string(id));
    }
}

void TrayMenu::onTrayActivated() noexcept {
    try {
        showClock();
    } catch (...) {
        traceCurrentError("show the clock");
    }
}

void TrayMenu::onTrayMenuOpening() noexcept {
    try {
        if (icon_) icon_->setChecked(kTrayStartAtLogin, runtime_.startsAtLogin());
    } catch (...) {
        traceCurrentError("start at login not read");
    }
}

void TrayMenu::showClock() {
    clock_.bringBack();
    // Not saved: the user's own opacity comes back with the next apply.
    if (clock_.settings.Trans < kTrayShowAlpha)
        setTransparency(runtime_.user32(), clock_.view().hWnd(), kTrayShowAlpha, runtime_);
}

void TrayMenu::toggleStartAtLogin() {
    try {
        runtime_.setStartAtLogin(!runtime_.startsAtLogin());
    } catch (...) {
        traceCurrentError("start at login not changed");
    }
    // The real state, whatever happened above.
    if (icon_) icon_->setChecked(kTrayStartAtLogin, runtime_.startsAtLogin());
}

void TrayMenu::quit() {
    clock_.unload();
    runtime_.end();
}

void TrayMenu::traceCurrentError(const std::string& what) noexcept {
    try {
        runtime_.reportError("tray: " + what + ": " + describeCurrentException());
    } catch (...) {
    }
}

}  // namespace talvorin
