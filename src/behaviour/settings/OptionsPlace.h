// Where the options file lives. Beside the program when the program may write
// there, so a portable copy keeps its settings with it; otherwise (installed
// in /usr/bin or C:\Program Files) in the user's own settings folder, which
// starts from the file beside the program when there is one to read: an
// administrator's defaults.
#pragma once

#include <string>

namespace talvorin {

// What the choice depends on, asked of the system once at start.
struct PlaceFacts {
    std::string besideFile;       // the options file beside the program
    bool besideWritable = true;   // its folder (a link's target's folder) takes new files
    bool besideReadable = false;  // it is there and is a regular file
    std::string userFolder;       // the per-user settings folder, "" when unknown
    bool userFileExists = false;
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
