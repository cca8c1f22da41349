// The whole clock on the headless runtime with any bytes as its options file:
// start, ticks, a drag, a hand edit, the dialog's apply. The window always
// shows, nothing but typed errors escapes, and the bytes the clock could not
// load are kept as .bak.
#include <cstdint>
#include <filesystem>
#include <string>

#include "FuzzSupport.h"
#include "scripted/ScriptedRuntime.h"
#include "program/Program.h"
#include "settings/OptionsFile.h"

using namespace talvorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string folder = fuzz::scratchFolder() + "/cycle";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    const std::string file = folder + "/tl_options.txt";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzz::putFile(file, data, size);

    ScriptedRuntime runtime;
    runtime.directory_ = folder;
    runtime.now_ = {std::chrono::year{2026} / 12 / 7, 10, 0, 0};
    Program program(runtime);
    program.start();
    if (!runtime.window("frmMain").visible) fuzz::broken("no clock window");
    const bool setAside = std::filesystem::exists(file + ".bak");
    if (setAside && fuzz::getFile(file + ".bak") != bytes) fuzz::broken("the .bak lost bytes");

    runtime.tick("frmMain");
    runtime.moveByUser("frmMain", 300, 400);
    runtime.now_.second = 1;
    runtime.tick("frmMain");
    // The same bytes again, as a hand edit while the clock runs.
    fuzz::putFile(file, data, size);
    std::filesystem::remove(file + ".bak");
    runtime.now_.second = 2;
    runtime.tick("frmMain");
    if (std::filesystem::exists(file + ".bak") && fuzz::getFile(file + ".bak") != bytes)
        fuzz::broken("the .bak of a hand edit lost bytes");
    runtime.answers = {vbCancel};
    runtime.click("frmMain", "");
    runtime.click("frmParam", "cmdOk");
    if (!runtime.window("frmMain").visible) fuzz::broken("the clock went away");
    return 0;
}
