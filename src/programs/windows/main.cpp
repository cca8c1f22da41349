// Talvorin for Windows: the core over the Win32 runtime.

#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "platform/win32/ConsoleOutput.h"
#include "platform/win32/SafeDllSearch.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Runtime.h"
#include "platform/win32/WinApi.h"
#include "program/CommandLine.h"
#include "program/Program.h"

namespace {

// The arguments after the program's name, as the C runtime split them, in
// UTF-8. Not CommandLineToArgvW: shell32 would be one more import.
std::vector<std::string> arguments() {
    std::vector<std::string> result;
    for (int i = 1; i < __argc; ++i) result.push_back(talvorin::win32::narrow(__wargv[i]));
    return result;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    talvorin::win32::loadDllsFromSystemFolderOnly();
    // Answered before any window or file: --version and --help only print.
    const talvorin::CommandDecision command = talvorin::decideCommandLine(arguments());
    if (command.action != talvorin::CommandAction::Run) {
        talvorin::win32::printToConsole(command.out, command.err);
        return command.exitCode;
    }

    try {
        talvorin::win32::Win32Runtime runtime(instance);
        talvorin::Program program(runtime);
        // A clock already runs on this options file: it shows itself instead.
        if (!program.start()) return 0;
        return runtime.run();
    } catch (const std::exception& e) {
        MessageBoxW(nullptr, talvorin::win32::widen(e.what()).c_str(), L"Talvorin",
                    MB_ICONERROR | MB_OK);
        return 1;
    }
}
