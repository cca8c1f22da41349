// The clock window. It owns the settings for the life of the program, loads
// and saves them through the options file, lays itself out from them, redraws
// the time every second, saves its position when the user has moved it, and
// turns a click into the quit-or-configure prompt.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Files.h"
#include "clock/ClockControl.h"
#include "clock/ClockExtras.h"
#include "program/FormHost.h"
#include "settings/ClockSettings.h"

namespace talvorin {

class frmMain final : public FormHost, public ClockControl {
  public:
    // `showSettings` opens the settings dialog (the prompt's "Annuler").
    frmMain(Runtime& runtime, std::function<void()> showSettings);

    // The one settings record; the dialog reads and writes it directly.
    ClockSettings settings;

    // Loads the options file into the settings, moves the window to the saved
    // place and lays it out. Never raises: any failure ends in the defaults
    // and a fresh file (the old one kept as .bak, or, when it cannot be kept,
    // left alone and never written over until it loads).
    void readParametres();
    // Writes the settings to the options file, all or nothing. Raises on failure.
    void writeFile();

    // Shows the clock, on a screen (moved fully into a work area when
    // little of it is in one) and with the keyboard: the tray's "Afficher
    // l'horloge", and a second start of the program.
    void bringBack();
    void Form_Load() override;
    void Form_Click();
    void LabDay_Click();
    void LabHeure_Click();
    void Timer1_Timer();

    // Told of each tick's reading of the clock, after the texts changed.
    void setTickListener(std::function<void(const LocalTime&)> listener) {
        tickListener_ = std::move(listener);
    }

    // Runs `check` at the first tick after a file in the options folder
    // changed (at every tick's new second where the folder cannot be
    // watched); it raises nothing the clock must know of.
    void addFileCheck(std::function<void()> check);

    // The system asks the program to end: a position moved since the last
    // tick is saved, then the program ends.
    void endRequested() noexcept;
    void onClosed() noexcept override;

    Timer& Timer1() const;

    // The settings of tl_extras.txt, and the tray's way to change them: set,
    // applied and saved at once. Raises when the save fails (still applied).
    const Extras& extras() const { return extras_.values(); }
    void setExtra(ExtraKey key, bool on);
    // The seconds on or off, as the dialog's box does: laid out and saved.
    void setSeconds(bool on);
    // The options file in use: beside the program or the per-user one.
    std::string optionsFile() const;

    void onClick(std::string_view control) noexcept override;
    void onTimer(std::string_view timer) noexcept override;
    void onDisplayChanged() noexcept override;
    // Enter or Space on the focused clock: the prompt, as a click.
    void onKey(Key key) noexcept override;
    void onPointerOver(bool over) noexcept override;

    // ClockControl, for the settings dialog.
    ClockSettings& clockSettings() override { return settings; }
    void save() override { writeFile(); }
    void reload() override { readParametres(); }
    std::string optionsFilePath() const override { return optionsFile(); }
    void pause() override;
    void resume() override;
    bool running() const override { return loaded(); }

  private:
    void locateOptionsFile();
    void readOptionsLines();
    void watchOptionsFolder();
    // Runs the file checks when the folder changed: once a second at most.
    void noticeHandEdits(const LocalTime& now);
    // Re-reads the options file when someone else changed it since the
    // clock last read or wrote it.
    void checkOptionsFile();
    void fallBackToDefaults() noexcept;
    // The opacity of the settings (or the colour key alone when it is no
    // valid one), as the window had it when it was loaded.
    void applyOpacity();
    void applyExtras();
    void noticeExtrasEdits();
    // Hides the clock when a full-screen window comes to the front of its
    // monitor and shows it again when it goes; a show in between stands.
    void stepAsideForFullScreen();
    // Runs one step of a sequence that must go on whatever a step raises;
    // a failed step leaves a line in the error trace.
    void tolerate(const char* what, const std::function<void()>& step) noexcept;
    void applyLayout();
    // The tick's watch on the window: a new position is stored and written.
    void saveMovedPosition();
    // Moves a clock that has too little of it on any monitor fully onto the
    // nearest one; the next tick saves the new place.
    void keepReachable();
    std::string promptText() const;

    std::function<void()> showSettings_;
    std::string optionsFile_;
    bool ending_ = false;  // the system asked the program to end
    // Set when a file that failed to load could not be set aside: it is all
    // the user has, so nothing is written over it until it loads.
    bool savesOff_ = false;
    os::FileStamp known_;         // the file as last read or written
    int lastLook_ = -1;           // second of the day of the last look for hand edits
    bool watched_ = false;        // the runtime tells of changes in the options folder
    bool folderChanged_ = false;  // since the last look
    std::vector<std::function<void()>> fileChecks_;
    bool rescuedUnsaved_ = false;  // moved within reach, not saved there yet
    std::function<void(const LocalTime&)> tickListener_;
    ClockExtras extras_;
    bool fullScreenSeen_ = false;
    bool hiddenForFullScreen_ = false;
    bool faded_ = false;  // by the pointer over it
    bool passThrough_ = false;
};

}  // namespace talvorin
