// The settings dialog. It keeps no settings of its own: it fills its fields
// from the clock's record, and "Valider !" converts every field back into the
// record, saves the file and reloads it so the clock moves and resizes at once.
#pragma once

#include <string_view>

#include "clock/ClockControl.h"
#include "program/FormHost.h"
#include "settings/ClockSettings.h"

namespace talvorin {

class frmParam final : public FormHost {
  public:
    frmParam(Runtime& runtime, ClockControl& clock);

    void Form_Load() override;
    void cmdDefaut_Click();
    void cmdOk_Click();

    void onClick(std::string_view control) noexcept override;
    void onTimer(std::string_view) noexcept override {}

  private:
    void fillFields(const ClockSettings& s);
    // Conversion messages go to `boxes`.
    void applyFields(MessageBoxes& boxes);
    bool clockOnTop() const;
    void setNumber(std::string_view box, int64_t value);

    ClockControl& clock_;
};

}  // namespace talvorin
