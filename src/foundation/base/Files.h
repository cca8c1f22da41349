// What each operating system does its own way with files, behind one set of
// UTF-8 paths. Everything that fails raises RuntimeError with the code of the
// system's error (PermissionDenied, DiskFull, PathNotFound, PathFileAccess;
// FileNotFound for a file to read that is not there).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace talvorin::os {

// What a name itself is, links not followed.
enum class EntryKind { Missing, Regular, Folder, Link, Other };
EntryKind entryKind(const std::string& path);

// Who a file is and when it last changed, links followed: enough to tell that
// someone else replaced or rewrote it. A missing file has present == false.
struct FileStamp {
    bool present = false;
    uint64_t volume = 0;
    uint64_t identity = 0;
    uint64_t size = 0;
    int64_t modified = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
FileStamp stampOf(const std::string& path) noexcept;

// The whole content of a regular file (links followed) of at most maxBytes.
// Anything else (a folder, a FIFO, a device, a longer file) raises
// PathFileAccess without blocking and without reading past maxBytes + 1.
std::string readRegularFile(const std::string& path, std::size_t maxBytes);

#ifndef _WIN32
// The steps of a durable replacement that reach the disk, in their order.
enum class DurableStep { Write, SyncFile, Rename, SyncFolder };
// Called before each of those steps with the path it acts on; a non-zero
// result is the system error (an errno value) the step then fails with,
// without being made. The program sets none; its tests watch the order and
// fail each step in turn.
using DurableStepHook = std::function<int(DurableStep, const std::string& path)>;
void setDurableStepHook(DurableStepHook hook);
#endif

// Creates `path` (it must not exist), writes the bytes and flushes them to disk.
void writeDurably(const std::string& path, std::string_view bytes);
// Gives `to` the permissions of `from`, when `from` exists.
void copyPermissions(const std::string& from, const std::string& to);
// Raises PermissionDenied when `path` exists and is marked read-only.
void refuseReadOnly(const std::string& path);
// Puts `from` in the place of `to` in one step, replacing it.
void moveOver(const std::string& from, const std::string& to);
// Renames `from` to `to` only when no `to` exists; false when one does.
bool moveIfFree(const std::string& from, const std::string& to);
// Makes a rename in `folder` durable (Linux); nothing where the rename already is.
void syncFolder(const std::string& folder);
// False when it could not be removed.
bool removeFile(const std::string& path) noexcept;

// The file a chain of symbolic links ends at (the path itself when it is no
// link); a link to a missing file gives the missing file's path.
std::string resolveLinks(const std::string& path);
// The one spelling of a file's path: absolute, its folder's links, "." and
// ".." resolved (the file itself need not exist), and on systems whose names
// ignore case, folded to lower case. The path as given when that fails.
std::string canonicalPath(const std::string& path) noexcept;
// The names in a folder, without "." and "..".
std::vector<std::string> folderEntries(const std::string& folder);
// Whether this process may create files in `folder`.
bool folderWritable(const std::string& folder) noexcept;
// Creates the folder and its missing parents.
void createFolders(const std::string& folder);
// The folder for this user's settings of this program: $XDG_CONFIG_HOME/talvorin
// (~/.config/talvorin) on Linux, %APPDATA%\Talvorin on Windows; "" when unknown.
std::string userSettingsFolder();
// Folders whose programs are installed ones: the folder this build installs
// programs to on Linux (/usr/bin for the packages), the Program Files folders
// on Windows.
std::vector<std::string> systemProgramFolders();
// Where an administrator leaves defaults for the installed program:
// /etc/talvorin on Linux; "" on Windows, where they stay beside the program.
std::string adminSettingsFolder();

int processId() noexcept;
bool processAlive(int pid) noexcept;

}  // namespace talvorin::os
