#include "platform/AutostartEntry.h"

#include <sstream>

namespace talvorin {

std::filesystem::path autostartEntryPath(const char* xdgConfigHome, const char* home) {
    std::filesystem::path base;
    if (xdgConfigHome && *xdgConfigHome && std::filesystem::path(xdgConfigHome).is_absolute())
        base = xdgConfigHome;
    else if (home && *home && std::filesystem::path(home).is_absolute())
        base = std::filesystem::path(home) / ".config";
    else
        return {};
    return base / "autostart" / "talvorin.desktop";
}

std::string desktopExecArgument(const std::string& argument) {
    std::string out = "\"";
    for (const char c : argument) {
        switch (c) {
            case '\\':
                out += "\\\\\\\\";  // \\ for the quoting, each doubled for the string value
                break;
            case '"':
            case '`':
            case '$':
                out += "\\\\";
                out += c;
                break;
            case '%':
                out += "%%";  // field codes
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string autostartEntry(const std::string& programPath) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Talvorin\n"
           "Comment=Horloge de bureau\n"
           "Exec=" +
           desktopExecArgument(programPath) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool autostartEntryEnabled(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") return false;
    }
    return true;
}

}  // namespace talvorin
