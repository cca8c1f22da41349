// Where the options file lives. A portable copy (the zip, the tarball) keeps
// it beside the program, so the settings travel with it. An installed copy
// (the .deb's /usr/bin, any install prefix, C:\Program Files, the installer's
// per-user folder) never writes beside itself, even when it may, as root
// may: its file is the user's own, which starts from the administrator's
// defaults when there are some (/etc/talvorin on Linux, beside the program on
// Windows). A portable copy where it may not write falls back to the user's
// file too, started from the file beside it.
#pragma once

#include <string>
#include <vector>

namespace talvorin {

// What tells an installed copy from a portable one: where it runs, never
// whether that folder takes new files.
struct InstallFacts {
    std::string programFolder;               // canonical
    std::vector<std::string> systemFolders;  // canonical: the build's install folder, Program Files
    bool installMark = false;  // the install left its mark: an uninstaller beside, a desktop entry
};

// Installed when the program runs from a system folder (or below one) or
// beside what only an install puts there.
bool installedProgram(const InstallFacts& facts);

// What the choice depends on, asked of the system once at start.
struct PlaceFacts {
    std::string besideFile;       // the options file beside the program
    bool besideWritable = true;   // its folder (a link's target's folder) takes new files
    bool besideReadable = false;  // it is there and is a regular file
    std::string userFolder;       // the per-user settings folder, "" when unknown
    bool userFileExists = false;
    bool installed = false;      // see installedProgram
    std::string adminFile = {};  // an installed copy's defaults, "" for the file beside
    bool adminReadable = false;  // it is there and is a regular file
};

struct OptionsPlace {
    std::string file;
    std::string seedFrom;  // a file to copy into `file` first, "" when none
    bool operator==(const OptionsPlace&) const = default;
};

OptionsPlace chooseOptionsPlace(const PlaceFacts& facts);

PlaceFacts placeFactsFor(const std::string& programFolder);

// Creates the per-user folder and copies the seed when the place asks for it.
// Raises when it cannot; the place stays the one to use.
void prepareOptionsPlace(const OptionsPlace& place);

}  // namespace talvorin
