#include "settings/OptionsPlace.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/Error.h"
#include "base/FileReplace.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "settings/OptionsFile.h"

namespace talvorin {

namespace {

// What only an install puts beside the program: the Windows installer's
// uninstaller, and the desktop entry every Linux install (the .deb, cmake
// --install to any prefix) puts in share/ beside bin/. The portable zip and
// tarball have neither.
constexpr std::array<std::string_view, 2> kInstallMarks = {
    "uninstall.exe", "../share/applications/talvorin.desktop"};

bool separator(char c) {
    return c == '/' || c == '\\';
}

// `path` is `folder` or lies below it.
bool within(const std::string& path, const std::string& folder) {
    if (folder.empty() || !path.starts_with(folder)) return false;
    return path.size() == folder.size() || separator(folder.back()) ||
           separator(path[folder.size()]);
}

bool present(const std::string& path) noexcept {
    try {
        return os::entryKind(path) != os::EntryKind::Missing;
    } catch (const RuntimeError&) {
        return true;  // there, though it cannot be looked at
    }
}

InstallFacts installFactsFor(const std::string& programFolder) {
    InstallFacts facts;
    facts.programFolder = os::canonicalPath(programFolder);
    for (const std::string& folder : os::systemProgramFolders())
        if (!folder.empty()) facts.systemFolders.push_back(os::canonicalPath(folder));
    facts.installMark = std::any_of(kInstallMarks.begin(), kInstallMarks.end(), [&](auto mark) {
        return present(joinPath(programFolder, mark));
    });
    return facts;
}

// A regular file once its links are followed.
bool regularFile(const std::string& path) {
    return os::entryKind(os::resolveLinks(path)) == os::EntryKind::Regular;
}

}  // namespace

bool installedProgram(const InstallFacts& facts) {
    return facts.installMark || std::any_of(facts.systemFolders.begin(), facts.systemFolders.end(),
                                            [&](const std::string& folder) {
                                                return within(facts.programFolder, folder);
                                            });
}

OptionsPlace chooseOptionsPlace(const PlaceFacts& facts) {
    const bool beside = !facts.installed && facts.besideWritable;
    if (beside || facts.userFolder.empty()) return {facts.besideFile, ""};
    const std::string& defaults = facts.installed ? facts.adminFile : facts.besideFile;
    const bool readable = facts.installed ? facts.adminReadable : facts.besideReadable;
    const bool seed = !facts.userFileExists && readable && !defaults.empty();
    return {optionsPath(facts.userFolder), seed ? defaults : ""};
}

PlaceFacts placeFactsFor(const std::string& programFolder) {
    PlaceFacts facts;
    facts.besideFile = optionsPath(programFolder);
    facts.installed = installedProgram(installFactsFor(programFolder));
    try {
        // A link (a dotfiles folder) is written where it points.
        const std::string target = os::resolveLinks(facts.besideFile);
        facts.besideWritable = os::folderWritable(folderOf(target));
        facts.besideReadable = os::entryKind(target) == os::EntryKind::Regular;
    } catch (const RuntimeError&) {
        // A link that cannot be followed: a portable copy stays beside itself,
        // as ever; the reading will fail and go through the fallback, which
        // says why.
        if (!facts.installed) return facts;
    }
    if (!facts.installed && facts.besideWritable) return facts;
    if (facts.installed) {
        const std::string adminFolder = os::adminSettingsFolder();
        facts.adminFile = adminFolder.empty() ? facts.besideFile : optionsPath(adminFolder);
        try {
            facts.adminReadable = regularFile(facts.adminFile);
        } catch (const RuntimeError&) {
            // Copying it would fail alike: the seeding says why.
            facts.adminReadable = true;
        }
    }
    facts.userFolder = os::userSettingsFolder();
    if (!facts.userFolder.empty()) facts.userFileExists = present(optionsPath(facts.userFolder));
    return facts;
}

void prepareOptionsPlace(const OptionsPlace& place) {
    os::createFolders(folderOf(place.file));
    if (place.seedFrom.empty()) return;
    replaceFile(place.file, os::readRegularFile(place.seedFrom, kMaxOptionsBytes));
}

}  // namespace talvorin
