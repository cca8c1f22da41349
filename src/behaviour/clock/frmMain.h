// The clock window. It owns the settings for the life of the program, loads
// and saves them through the options file, lays itself out from them, redraws
// the time every second, saves its position when the user has moved it, and
// turns a click into the quit-or-configure prompt.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "clock/ClockControl.h"
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
    // and a fresh file (the old one kept as .bak).
    void readParametres();
    // Writes the settings to the options file, all or nothing. Raises on failure.
    void writeFile();

    void Form_Load() override;
    void Form_Click();
    void LabDay_Click();
    void LabHeure_Click();
    void Timer1_Timer();

    // Told of each tick's reading of the clock, after the texts changed.
    void setTickListener(std::function<void(const LocalTime&)> listener) {
        tickListener_ = std::move(listener);
    }

    Timer& Timer1() const;
    std::filesystem::path optionsFile() const;

    void onClick(std::string_view control) noexcept override;
    void onTimer(std::string_view timer) noexcept override;
    // Enter or Space on the focused clock: the prompt, as a click.
    void onKey(Key key) noexcept override;

    // ClockControl, for the settings dialog.
    ClockSettings& clockSettings() override { return settings; }
    void save() override { writeFile(); }
    void reload() override { readParametres(); }
    void pause() override;
    void resume() override;
    bool running() const override { return loaded(); }

  private:
    void readOptionsLines();
    void fallBackToDefaults() noexcept;
    // Runs one step of a sequence that must go on whatever a step raises;
    // a failed step leaves a line in the error trace.
    void tolerate(const char* what, const std::function<void()>& step) noexcept;
    void applyLayout();
    std::string promptText() const;

    std::function<void()> showSettings_;
    std::function<void(const LocalTime&)> tickListener_;
};

}  // namespace talvorin
