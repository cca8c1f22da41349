// The clock window. It owns the settings for the life of the program, loads
// and saves them through the options file, lays itself out from them, redraws
// the time every second, saves its position when the user has moved it, and
// turns a click into the quit-or-configure prompt.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/FormHost.h"
#include "settings/ClockSettings.h"

namespace talvorin {

class Program;

class frmMain final : public FormHost {
  public:
    frmMain(Runtime& runtime, Program& program);

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

    Timer& Timer1() const;
    std::filesystem::path optionsFile() const;

    void onClick(std::string_view control) noexcept override;
    void onTimer(std::string_view timer) noexcept override;

  private:
    void readOptionsLines();
    void fallBackToDefaults() noexcept;
    void applyLayout();
    std::string promptText() const;

    Program& program_;
};

}  // namespace talvorin
