#include "program/CommandLine.h"

#include <string_view>

namespace talvorin {

namespace {

constexpr int kUsageErrorStatus = 2;  // as getopt-based tools do

std::string versionLine() {
    return "Talvorin " + std::to_string(TALVORIN_VERSION_MAJOR) + "." +
           std::to_string(TALVORIN_VERSION_MINOR) + "." +
           std::to_string(TALVORIN_VERSION_REVISION) + "\n";
}

std::string usageText() {
    return "Utilisation : talvorin [--help | --version]\n"
           "Horloge de bureau. Sans option, affiche l'horloge.\n"
           "\n"
           "  -h, --help     affiche cette aide et quitte\n"
           "      --version  affiche la version et quitte\n"
           "\n"
           "Les réglages sont lus et enregistrés dans le fichier tl_options.txt.\n";
}

// "/?" is how Windows programs are asked for their usage.
bool asksForHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h" || argument == "/?";
}

}  // namespace

CommandDecision decideCommandLine(const std::vector<std::string>& arguments) {
    // A wrong argument wins over any right one: a script with a typo learns
    // of it instead of getting an answer to half its question.
    for (const std::string& argument : arguments) {
        if (asksForHelp(argument) || argument == "--version") continue;
        const std::string_view kind =
            argument.starts_with('-') ? "option inconnue" : "argument inattendu";
        return {CommandAction::UsageError, kUsageErrorStatus, "",
                "talvorin: " + std::string(kind) + " « " + argument + " »\n" + usageText()};
    }
    if (arguments.empty()) return {};
    // The first option asked answers; `--version --help` prints the version.
    if (arguments.front() == "--version")
        return {CommandAction::PrintVersion, 0, versionLine(), ""};
    return {CommandAction::PrintUsage, 0, usageText(), ""};
}

std::string noDisplayLine(const std::string& display) {
    const std::string why = display.empty() ? "aucun affichage X11 (DISPLAY n'est pas défini)"
                                            : "impossible d'ouvrir l'affichage « " + display + " »";
    return "talvorin: " + why + " ; l'horloge a besoin d'un serveur X11 ou de XWayland\n";
}

}  // namespace talvorin
