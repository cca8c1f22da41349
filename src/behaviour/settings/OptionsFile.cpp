#include "settings/OptionsFile.h"

#include <array>

#include "base/Error.h"
#include "base/FileReplace.h"
#include "base/Files.h"
#include "base/Integers.h"
#include "base/Paths.h"

namespace talvorin {

namespace {

// Plain ASCII on purpose: the file must read the same in any code page.
constexpr std::array<const char*, 6> kHeaders = {
    "Transparence (10 - 255 ; defaut 127)",
    "Masque R G B (0 - 255 ; defaut 0 64 127)",
    "Position de la fenetre haut gauche",
    "Taille des chiffres",
    "Fenetre de l'heure toujours devant (1 True ; 0 False) ; defaut 0",
    "Afficher les secondes (1 True , 0 False) ; defaut 0",
};

// Enough numbered names for any number of failed hand edits in practice;
// past it the file is kept where it is and nothing is written over it.
constexpr int kMaxNumberedBackups = 99;

}  // namespace

std::string optionsPath(const std::string& folder) {
    return joinPath(folder, kOptionsFileName);
}

std::string formatOptions(const ClockSettings& s) {
    const std::array<std::string, kOptionsLineCount> lines = {
        kHeaders[0],     toText(s.Trans), kHeaders[1],    toText(s.CoulR), toText(s.CoulG),
        toText(s.CoulB), kHeaders[2],     toText(s.posT), toText(s.posL),  kHeaders[3],
        toText(s.hText), kHeaders[4],     s.onTheTop,     kHeaders[5],     s.Secondes,
    };
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> splitLines(std::string_view bytes, std::size_t maxLines) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (lines.size() < maxLines && start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));  // a last line without a terminator
            break;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> readOptionLines(const std::string& path) {
    return splitLines(os::readRegularFile(path, kMaxOptionsBytes), kOptionsLineCount);
}

void writeOptions(const std::string& path, const ClockSettings& s) {
    replaceFile(path, formatOptions(s));
}

namespace {

// Nothing to keep: no file, or a link to a file yet to be written.
bool nothingThere(const std::string& path) {
    try {
        return os::entryKind(os::resolveLinks(path)) == os::EntryKind::Missing;
    } catch (const RuntimeError&) {
        return false;  // a loop of links: that is what there is to keep
    }
}

}  // namespace

std::string setAsideOptions(const std::string& path) {
    if (nothingThere(path)) return "";
    const std::string backup = path + kBackupSuffix;
    const os::EntryKind old = os::entryKind(backup);
    std::string why;
    if (old == os::EntryKind::Missing || old == os::EntryKind::Regular) {
        try {
            os::moveOver(path, backup);
            return backup;
        } catch (const RuntimeError& e) {
            // An old .bak of someone else in a sticky folder: try a new name.
            why = e.what();
        }
    }
    for (int n = 1; n <= kMaxNumberedBackups; ++n) {
        const std::string numbered = backup + std::to_string(n);
        if (os::moveIfFree(path, numbered)) return numbered;
    }
    throw RuntimeError(ErrorCode::PathFileAccess, "no free name to keep it as " + backup + "1 to " +
                                                      backup + std::to_string(kMaxNumberedBackups) +
                                                      (why.empty() ? "" : ", " + why));
}

}  // namespace talvorin
