#include "settings/OptionsPlace.h"

#include "base/Error.h"
#include "base/FileReplace.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "settings/OptionsFile.h"

namespace talvorin {

OptionsPlace chooseOptionsPlace(const PlaceFacts& facts) {
    if (facts.besideWritable || facts.userFolder.empty()) return {facts.besideFile, ""};
    const std::string userFile = optionsPath(facts.userFolder);
    const bool seed = !facts.userFileExists && facts.besideReadable;
    return {userFile, seed ? facts.besideFile : ""};
}

PlaceFacts placeFactsFor(const std::string& programFolder) {
    PlaceFacts facts;
    facts.besideFile = optionsPath(programFolder);
    try {
        // A link (a dotfiles folder) is written where it points.
        const std::string target = os::resolveLinks(facts.besideFile);
        facts.besideWritable = os::folderWritable(folderOf(target));
        facts.besideReadable = os::entryKind(target) == os::EntryKind::Regular;
    } catch (const RuntimeError&) {
        // A link that cannot be followed: beside the program, as ever; the
        // reading will fail and go through the fallback, which says why.
        return facts;
    }
    if (facts.besideWritable) return facts;
    facts.userFolder = os::userSettingsFolder();
    if (!facts.userFolder.empty())
        facts.userFileExists =
            os::entryKind(optionsPath(facts.userFolder)) != os::EntryKind::Missing;
    return facts;
}

void prepareOptionsPlace(const OptionsPlace& place) {
    os::createFolders(folderOf(place.file));
    if (place.seedFrom.empty()) return;
    replaceFile(place.file, os::readRegularFile(place.seedFrom, kMaxOptionsBytes));
}

}  // namespace talvorin
