#include "settings/OptionsFile.h"

#include <array>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "base/Error.h"
#include "base/FileReplace.h"
#include "base/Integers.h"

namespace talvorin {

namespace fs = std::filesystem;

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

std::ifstream openForReading(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) throw RuntimeError(ErrorCode::FileNotFound, "file not found");
    if (fs::is_directory(path, ec)) throw RuntimeError(ErrorCode::PathFileAccess, "a folder");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RuntimeError(ErrorCode::PathFileAccess, "cannot open the file");
    return in;
}

}  // namespace

fs::path optionsPath(const fs::path& directory) {
    return directory / kOptionsFileName;
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

std::vector<std::string> readLines(std::istream& in, std::size_t maxLines) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;  // a last line without a terminator
    for (int c; lines.size() < maxLines && (c = in.get()) != std::char_traits<char>::eof();) {
        if (c == '\r' || c == '\n') {
            if (c == '\r' && in.peek() == '\n') in.get();
            lines.push_back(std::move(current));
            current.clear();
            pending = false;
        } else {
            current.push_back(static_cast<char>(c));
            pending = true;
        }
    }
    if (pending && lines.size() < maxLines) lines.push_back(std::move(current));
    return lines;
}

std::vector<std::string> splitLines(std::string_view bytes, std::size_t maxLines) {
    std::istringstream in{std::string(bytes)};
    return readLines(in, maxLines);
}

std::vector<std::string> readOptionLines(const fs::path& path) {
    std::ifstream in = openForReading(path);
    auto lines = readLines(in, kOptionsLineCount);
    if (in.bad()) throw RuntimeError(ErrorCode::PathFileAccess, "cannot read the file");
    return lines;
}

std::string readFileBytes(const fs::path& path) {
    std::ifstream in = openForReading(path);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw RuntimeError(ErrorCode::PathFileAccess, "cannot read the file");
    return bytes;
}

void writeOptions(const fs::path& path, const ClockSettings& s) {
    replaceFile(path, formatOptions(s));
}

bool backupOptions(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    fs::path backup = path;
    backup += kBackupSuffix;
    replaceFile(backup, readFileBytes(path));
    return true;
}

}  // namespace talvorin
