#include "TestSupport.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "settings/OptionsFile.h"

namespace fs = std::filesystem;

namespace talvorin::testing {

const std::string kDefaultFile = crlf({
    "Transparence (10 - 255 ; defaut 127)",
    "127",
    "Masque R G B (0 - 255 ; defaut 0 64 127)",
    "0",
    "64",
    "127",
    "Position de la fenetre haut gauche",
    "500",
    "800",
    "Taille des chiffres",
    "48",
    "Fenetre de l'heure toujours devant (1 True ; 0 False) ; defaut 0",
    "0",
    "Afficher les secondes (1 True , 0 False) ; defaut 0",
    "0",
});

TempFolder::TempFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("talvorin-test-" + std::to_string(random()));
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

MountedFolder::MountedFolder(const std::string& options) {
    if (::geteuid() != 0) {
        reason_ = "mounting a file system needs root";
        return;
    }
    const std::string command =
        "mount -t tmpfs -o " + options + " talvorin-test " + folder_.path().string();
    if (std::system((command + " 2>/dev/null").c_str()) != 0) {
        reason_ = "this machine refuses to mount a tmpfs";
        return;
    }
    mounted_ = true;
}

MountedFolder::~MountedFolder() {
    if (mounted_) std::system(("umount " + folder_.path().string()).c_str());
}

bool MountedFolder::remount(const std::string& options) {
    return std::system(("mount -o remount," + options + " " + path().string()).c_str()) == 0;
}

std::string readBytes(const fs::path& path) {
    // Capped: a link to an endless device fails a check, not the whole run.
    constexpr std::streamsize kCap = 1 << 20;
    std::string bytes(kCap, '\0');
    std::ifstream in(path, std::ios::binary);
    in.read(bytes.data(), kCap);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string crlf(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::string defaultFileWith(const std::vector<std::pair<int, std::string>>& changes) {
    std::string result;
    std::size_t start = 0;
    for (int line = 1; line <= 15; ++line) {
        const std::size_t end = kDefaultFile.find("\r\n", start);
        std::string text = kDefaultFile.substr(start, end - start);
        for (const auto& [number, replacement] : changes)
            if (number == line) text = replacement;
        result += text + "\r\n";
        start = end + 2;
    }
    return result;
}

std::string lineOf(const std::string& bytes, int number, std::source_location where) {
    const std::size_t wanted = number > 0 ? static_cast<std::size_t>(number) : 0;
    const std::vector<std::string> lines = splitLines(bytes, wanted);
    if (wanted == 0 || lines.size() < wanted) {
        ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
            << "no line " << number << " in " << lines.size()
            << " lines: " << ::testing::PrintToString(bytes);
        return "";
    }
    return lines[wanted - 1];
}

HeadlessProgram::HeadlessProgram() {
    rt.directory_ = folder.path();
    rt.now_ = {std::chrono::year{2026} / 12 / 6, 14, 5, 9};
}

Program& HeadlessProgram::start() {
    program = std::make_unique<Program>(rt);
    program->start();
    rt.paintShownWindows();
    return *program;
}

}  // namespace talvorin::testing
