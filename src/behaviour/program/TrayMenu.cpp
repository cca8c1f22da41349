#include "program/TrayMenu.h"

#include "base/ErrorText.h"
#include "clock/TimeText.h"
#include "clock/frmMain.h"
#include "clock/modFunctions.h"
#include "program/ErrorBoundary.h"
#include "program/Transparence.h"

namespace talvorin {

namespace {

struct ExtraItem {
    std::string_view id;
    const char* caption;
    ExtraKey key;
};
constexpr ExtraItem kExtraItems[] = {
    {kTrayClickThrough, "Laisser passer les clics", ExtraKey::ClicsTraversants},
    {kTrayLockPosition, "Verrouiller la position", ExtraKey::PositionVerrouillee},
    {kTrayFullScreen, "Masquer en plein écran", ExtraKey::MasquerPleinEcran},
    {kTrayHover, "Discrète au survol", ExtraKey::SurvolDiscret},
};

std::tuple<int, unsigned, unsigned, int, int> minuteOf(const LocalTime& t) {
    return {static_cast<int>(t.date.year()), static_cast<unsigned>(t.date.month()),
            static_cast<unsigned>(t.date.day()), t.hour, t.minute};
}

// A failure is traced under "tray: <what>" and the menu goes on.
template <typename Step>
void guard(ErrorTrace& trace, const std::string& what, Step&& step) noexcept {
    guardStep(trace, "tray: " + what, step);
}

}  // namespace

TrayDesign trayDesign(const std::string& toolTip, bool startsAtLogin, bool seconds,
                      const Extras& extras) {
    TrayDesign design;
    design.toolTip = toolTip;
    design.items = {
        {std::string(kTrayShowClock), "Afficher l'horloge"},
        {std::string(kTraySettings), "Paramètres…"},
        {std::string(kTrayStartAtLogin), "Lancer à l'ouverture de session", true, startsAtLogin},
        {"", ""},
        {std::string(kTraySeconds), "Afficher les secondes", true, seconds},
    };
    for (const auto& item : kExtraItems)
        design.items.push_back(
            {std::string(item.id), item.caption, true, extraFlag(extras, item.key)});
    design.items.push_back({"", ""});
    design.items.push_back({std::string(kTrayQuit), "Quitter"});
    return design;
}

std::string trayToolTip(const Runtime& runtime, const LocalTime& now) {
    return dayOfWeekName(now.date) + " " + runtime.dateText(now) + " " +
           clockTimeText(now, false, runtime.hourCycle());
}

TrayMenu::TrayMenu(Runtime& runtime, frmMain& clock, std::function<void()> showSettings)
    : runtime_(runtime), clock_(clock), showSettings_(std::move(showSettings)) {}

void TrayMenu::create() noexcept {
    guard(runtime_, "notification-area icon not added", [this] {
        const LocalTime now = runtime_.now();
        bool atLogin = false;
        guard(runtime_, "start at login not read", [&] { atLogin = runtime_.startsAtLogin(); });
        icon_ =
            runtime_.createTrayIcon(trayDesign(trayToolTip(runtime_, now), atLogin,
                                               isNotOff(clock_.settings.Secondes), clock_.extras()),
                                    *this);
        if (icon_) minuteShown_ = minuteOf(now);
    });
}

void TrayMenu::clockTicked(const LocalTime& now) noexcept {
    if (!icon_ || minuteShown_ == minuteOf(now)) return;
    guard(runtime_, "tooltip not changed", [&] {
        minuteShown_ = minuteOf(now);
        icon_->setToolTip(trayToolTip(runtime_, now));
    });
}

void TrayMenu::onTrayItem(std::string_view id) noexcept {
    guard(runtime_, "menu item " + std::string(id), [&] {
        if (id == kTrayShowClock)
            showClock();
        else if (id == kTraySettings)
            showSettings_();
        else if (id == kTrayStartAtLogin)
            toggleStartAtLogin();
        else if (id == kTrayQuit)
            quit();
        else if (id == kTraySeconds)
            clock_.setSeconds(!isNotOff(clock_.settings.Secondes));
        for (const auto& item : kExtraItems)
            if (id == item.id) clock_.setExtra(item.key, !extraFlag(clock_.extras(), item.key));
    });
    if (id != kTrayQuit) showClockStates();
}

void TrayMenu::onTrayActivated() noexcept {
    guard(runtime_, "show the clock", [this] { showClock(); });
}

void TrayMenu::onTrayMenuOpening() noexcept {
    guard(runtime_, "start at login not read", [this] {
        if (icon_) icon_->setChecked(kTrayStartAtLogin, runtime_.startsAtLogin());
    });
    showClockStates();
}

void TrayMenu::showClockStates() {
    if (!icon_) return;
    guard(runtime_, "check marks not shown", [this] {
        icon_->setChecked(kTraySeconds, isNotOff(clock_.settings.Secondes));
        for (const auto& item : kExtraItems)
            icon_->setChecked(item.id, extraFlag(clock_.extras(), item.key));
    });
}

void TrayMenu::showClock() {
    clock_.bringBack();
    // Not saved: the user's own opacity comes back with the next apply.
    if (clock_.settings.Trans < kTrayShowAlpha)
        setTransparency(runtime_.user32(), clock_.view().hWnd(), kTrayShowAlpha, runtime_);
}

void TrayMenu::toggleStartAtLogin() {
    guard(runtime_, "start at login not changed",
          [this] { runtime_.setStartAtLogin(!runtime_.startsAtLogin()); });
    // The real state, whatever happened above.
    if (icon_) icon_->setChecked(kTrayStartAtLogin, runtime_.startsAtLogin());
}

void TrayMenu::quit() {
    clock_.unload();
    runtime_.end();
}

}  // namespace talvorin
