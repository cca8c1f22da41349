// Text for the console a GUI program was started from. talvorin.exe has no
// console of its own: its output goes to its redirected standard handles when
// it has them, otherwise to the console of the program that started it
// (cmd, PowerShell), if any; else nowhere, and the exit code still tells.
#pragma once

#include <string>

namespace talvorin::win32 {

void printToConsole(const std::string& out, const std::string& err);  // UTF-8

}  // namespace talvorin::win32
