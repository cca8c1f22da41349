// What the program does with its command line, decided before any window or
// file is touched: run the clock, or answer --version / --help and end.
#pragma once

#include <string>
#include <vector>

namespace talvorin {

enum class CommandAction { Run, PrintVersion, PrintUsage, UsageError };

struct CommandDecision {
    CommandAction action = CommandAction::Run;
    int exitCode = 0;
    std::string out;  // for standard output, UTF-8
    std::string err;  // for standard error, UTF-8
};

// `arguments` are the UTF-8 arguments after the program's name.
CommandDecision decideCommandLine(const std::vector<std::string>& arguments);

// The one line a Linux program with no display to open leaves on stderr.
std::string noDisplayLine(const std::string& display);

}  // namespace talvorin
