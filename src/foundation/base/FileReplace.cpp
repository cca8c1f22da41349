#include "base/FileReplace.h"

#include <atomic>
#include <charconv>
#include <string>

#include "base/Error.h"
#include "base/Files.h"
#include "base/Paths.h"

namespace talvorin {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp";

// <name>.tmp<process>-<count>: no other writer in the folder uses the same
// name, and the process number tells a leftover from a write under way.
std::string temporaryFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + std::string(kTemporaryMark) + std::to_string(os::processId()) + "-" +
           std::to_string(counter++);
}

// The process that wrote a temporary named after `file`, or 0 when `entry` is
// no such name.
int writerOf(std::string_view entry, std::string_view file) {
    if (entry.substr(0, file.size()) != file) return 0;
    entry.remove_prefix(file.size());
    if (entry.substr(0, kTemporaryMark.size()) != kTemporaryMark) return 0;
    entry.remove_prefix(kTemporaryMark.size());
    int pid = 0;
    const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), pid);
    if (error != std::errc{} || end == entry.data() || end == entry.data() + entry.size() ||
        *end != '-')
        return 0;
    const std::string_view count(end + 1,
                                 static_cast<std::size_t>(entry.data() + entry.size() - end - 1));
    if (count.empty() || count.find_first_not_of("0123456789") != std::string_view::npos) return 0;
    return pid;
}

void removeLeftoversBeside(const std::string& file) {
    const std::string folder = folderOf(file);
    const std::string name = nameOf(file);
    std::string failed;
    for (const std::string& entry : os::folderEntries(folder)) {
        const int pid = writerOf(entry, name);
        if (pid == 0 || os::processAlive(pid)) continue;
        const std::string path = joinPath(folder, entry);
        if (os::entryKind(path) != os::EntryKind::Regular) continue;
        if (!os::removeFile(path)) failed = path;
    }
    if (!failed.empty())
        throw RuntimeError(ErrorCode::PermissionDenied, "cannot remove the leftover " + failed);
}

}  // namespace

void replaceFile(const std::string& path, std::string_view bytes) {
    std::string target;
    std::string tmp;
    try {
        target = os::resolveLinks(path);
        os::refuseReadOnly(target);
        tmp = temporaryFor(target);
        os::writeDurably(tmp, bytes);
        os::copyPermissions(target, tmp);
        os::moveOver(tmp, target);
        tmp.clear();
        os::syncFolder(folderOf(target));
    } catch (const RuntimeError& e) {
        if (!tmp.empty()) os::removeFile(tmp);
        // Named after the file the caller asked for: the temporary name
        // would mean nothing to whoever reads the error.
        throw RuntimeError(e.code(), "cannot write " + path + " (" + e.what() + ")");
    } catch (...) {
        if (!tmp.empty()) os::removeFile(tmp);
        throw;
    }
}

void removeLeftoverTemporaries(const std::string& path) {
    removeLeftoversBeside(path);
    const std::string target = os::resolveLinks(path);
    if (folderOf(target) != folderOf(path)) removeLeftoversBeside(target);
}

}  // namespace talvorin
