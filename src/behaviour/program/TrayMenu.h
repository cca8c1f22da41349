// The notification-area icon: the way back to a clock the user cannot see
// (hidden behind windows, nearly transparent, off in a corner). Its tooltip
// tells the day, date and time; its menu shows the clock, opens the settings,
// turns starting at login on or off, and quits.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/Runtime.h"
#include "settings/ExtrasFile.h"

namespace talvorin {

class frmMain;

inline constexpr std::string_view kTrayShowClock = "afficher";
inline constexpr std::string_view kTraySettings = "parametres";
inline constexpr std::string_view kTrayStartAtLogin = "demarrage";
inline constexpr std::string_view kTrayQuit = "quitter";
inline constexpr std::string_view kTraySeconds = "secondes";
inline constexpr std::string_view kTrayClickThrough = "clics_traversants";
inline constexpr std::string_view kTrayLockPosition = "position_verrouillee";
inline constexpr std::string_view kTrayFullScreen = "masquer_plein_ecran";
inline constexpr std::string_view kTrayHover = "survol_discret";

// The opacity the clock is shown at from the tray when its own would leave it
// invisible or nearly so; it lasts until the settings are next applied.
inline constexpr int16_t kTrayShowAlpha = 10;

// An item with an empty id and caption is a separator.
TrayDesign trayDesign(const std::string& toolTip, bool startsAtLogin, bool seconds = false,
                      const Extras& extras = {});
std::string trayToolTip(const Runtime& runtime, const LocalTime& now);

class TrayMenu final : public TrayEvents {
  public:
    // `showSettings` opens the settings dialog, as the prompt's "Annuler".
    TrayMenu(Runtime& runtime, frmMain& clock, std::function<void()> showSettings);

    // Adds the icon; without a notification area there is none. Never raises.
    void create() noexcept;
    bool shown() const { return icon_ != nullptr; }
    // From the clock's tick: the tooltip changes when the minute does, so
    // the icon costs no wake-up of its own.
    void clockTicked(const LocalTime& now) noexcept;

    void onTrayItem(std::string_view id) noexcept override;
    void onTrayActivated() noexcept override;
    // Starting at login can be changed outside the program (the desktop's
    // settings, a deleted entry): the check mark is read afresh each time.
    void onTrayMenuOpening() noexcept override;

  private:
    void showClock();
    void toggleStartAtLogin();
    // The seconds and the extras as the clock has them, hand edits included.
    void showClockStates();
    void quit();

    Runtime& runtime_;
    frmMain& clock_;
    std::function<void()> showSettings_;
    std::unique_ptr<TrayIcon> icon_;
    std::optional<std::tuple<int, unsigned, unsigned, int, int>> minuteShown_;
};

}  // namespace talvorin
