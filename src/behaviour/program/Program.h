// The program as a whole: the clock window and the settings dialog, one
// instance each, created on first use. A runtime builds one Program over
// itself, calls start() and runs its event loop.
#pragma once

#include <memory>

#include "platform/Runtime.h"

namespace talvorin {

class frmMain;
class frmParam;
class TrayMenu;

class Program {
  public:
    explicit Program(Runtime& runtime);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates the clock window, loads it and shows it. Returns false, and
    // creates nothing, when a clock already runs on the same options file:
    // that one was asked to show itself and this program should end (status 0).
    bool start();

    // Makes the running clock visible again: shown and raised. A later start
    // on the same options file asks for this through the runtime.
    void showClock() noexcept;

    // Ends the program as the prompt's "Oui" does. An installer about to
    // replace the program asks for this through the runtime.
    void quit() noexcept;

    frmMain& mainForm();
    frmParam& paramForm();
    // Null when the desktop has no notification area.
    TrayMenu* tray() { return tray_.get(); }

  private:
    void startTray();
    Runtime& runtime_;
    std::unique_ptr<frmMain> main_;
    std::unique_ptr<frmParam> param_;
    std::unique_ptr<TrayMenu> tray_;
};

}  // namespace talvorin
