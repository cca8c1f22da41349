#include <windows.h>

#include <string>

#include "base/Error.h"
#include "base/Files.h"
#include "base/Paths.h"

namespace talvorin::os {

namespace {

ErrorCode codeOf(DWORD error) {
    switch (error) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ErrorCode::DiskFull;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_SHARING_VIOLATION:
            return ErrorCode::PermissionDenied;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return ErrorCode::PathNotFound;
        default:
            return ErrorCode::PathFileAccess;
    }
}

[[noreturn]] void fail(const char* step, DWORD error) {
    throw RuntimeError(codeOf(error), step);
}

// The file layer's only UTF-8 to UTF-16 crossing: the W functions take any name.
std::wstring wide(std::string_view utf8) {
    if (utf8.empty()) return L".";
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
    return text;
}

std::string narrow(std::wstring_view utf16) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

class Handle {
  public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }

  private:
    HANDLE h_;
};

[[noreturn]] void failRead(DWORD error) {
    if (error == ERROR_FILE_NOT_FOUND)
        throw RuntimeError(ErrorCode::FileNotFound, "file not found");
    fail("open", error);
}

}  // namespace

EntryKind entryKind(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return EntryKind::Missing;
        fail("look up", error);
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::Folder;
    if (attributes & FILE_ATTRIBUTE_DEVICE) return EntryKind::Other;
    return EntryKind::Regular;
}

FileStamp stampOf(const std::string& path) noexcept {
    Handle file(CreateFileW(wide(path).c_str(), 0,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (file.get() == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(file.get(), &info))
        return {};
    auto join = [](DWORD high, DWORD low) { return (uint64_t{high} << 32) | low; };
    return FileStamp{true, info.dwVolumeSerialNumber, join(info.nFileIndexHigh, info.nFileIndexLow),
                     join(info.nFileSizeHigh, info.nFileSizeLow),
                     static_cast<int64_t>(join(info.ftLastWriteTime.dwHighDateTime,
                                               info.ftLastWriteTime.dwLowDateTime))};
}

std::string readRegularFile(const std::string& path, std::size_t maxBytes) {
    const std::wstring name = wide(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) failRead(GetLastError());
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))
        throw RuntimeError(ErrorCode::PathFileAccess, "not a regular file");
    Handle file(CreateFileW(name.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) failRead(GetLastError());
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        throw RuntimeError(ErrorCode::PathFileAccess, "not a regular file");
    // One byte more than allowed tells a file that is too long.
    std::string bytes(maxBytes + 1, '\0');
    std::size_t done = 0;
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &n,
                      nullptr))
            fail("read", GetLastError());
        if (n == 0) break;
        done += n;
        if (done > maxBytes)
            throw RuntimeError(ErrorCode::PathFileAccess,
                               "longer than " + std::to_string(maxBytes) + " bytes");
    }
    bytes.resize(done);
    return bytes;
}

void writeDurably(const std::string& path, std::string_view bytes) {
    Handle file(CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) fail("create", GetLastError());
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        fail("write", GetLastError());
    if (written != bytes.size()) fail("write", ERROR_HANDLE_DISK_FULL);
    if (!FlushFileBuffers(file.get())) fail("sync", GetLastError());
}

void copyPermissions(const std::string&, const std::string&) {
    // A new file takes the folder's inherited permissions, as a saved one would.
}

void refuseReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw RuntimeError(ErrorCode::PermissionDenied, "read-only file");
}

void moveOver(const std::string& from, const std::string& to) {
    // NOTE: a reader that opened the file without FILE_SHARE_DELETE (an
    // editor, a virus scanner, a backup) makes the replace fail with access
    // denied for as long as it holds it, usually a few milliseconds: try a
    // few times before calling it a failure.
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return;
        error = GetLastError();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) break;
        Sleep(20);
    }
    fail("replace", error);
}

bool moveIfFree(const std::string& from, const std::string& to) {
    if (MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return false;
    fail("rename", error);
}

void syncFolder(const std::string&) {
    // MOVEFILE_WRITE_THROUGH has already made the rename durable.
}

bool removeFile(const std::string& path) noexcept {
    return DeleteFileW(wide(path).c_str()) != 0;
}

std::string resolveLinks(const std::string& path) {
    // Replacing a Windows link replaces the link itself; links to the options
    // file are a Unix habit.
    return path;
}

std::string canonicalPath(const std::string& path) noexcept {
    try {
        const std::wstring given = wide(path);
        std::wstring full(MAX_PATH, L'\0');
        DWORD length =
            GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length >= full.size()) {
            full.resize(length);
            length = GetFullPathNameW(given.c_str(), length, full.data(), nullptr);
        }
        if (length == 0 || length >= full.size()) return path;
        full.resize(length);
        // Windows names ignore case: two spellings of one file are one file.
        CharLowerBuffW(full.data(), static_cast<DWORD>(full.size()));
        return narrow(full);
    } catch (...) {
        return path;
    }
}

std::vector<std::string> folderEntries(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(wide(joinPath(folder, "*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) fail("list the folder", GetLastError());
    std::vector<std::string> names;
    do {
        const std::string name = narrow(found.cFileName);
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool folderWritable(const std::string& folder) noexcept {
    // Windows has no question for it that ACLs, UAC virtualisation and
    // read-only media all answer truly: create a file and see.
    const std::wstring probe =
        wide(joinPath(folder, "tl_options.txt.tmp" + std::to_string(processId()) + "-probe"));
    Handle file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.get() != INVALID_HANDLE_VALUE;
}

void createFolders(const std::string& folder) {
    if (folder.empty() || entryKind(folder) == EntryKind::Folder) return;
    const std::string parent = folderOf(folder);
    if (parent != folder && !parent.empty() && parent.back() != ':') createFolders(parent);
    if (!CreateDirectoryW(wide(folder).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        fail("create the folder", GetLastError());
}

std::string userSettingsFolder() {
    wchar_t buffer[MAX_PATH * 4];
    DWORD n = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH * 4);
    if (n > 0 && n < MAX_PATH * 4) return joinPath(narrow({buffer, n}), "Talvorin");
    n = GetEnvironmentVariableW(L"USERPROFILE", buffer, MAX_PATH * 4);
    if (n > 0 && n < MAX_PATH * 4)
        return joinPath(joinPath(joinPath(narrow({buffer, n}), "AppData"), "Roaming"), "Talvorin");
    return "";
}

std::vector<std::string> systemProgramFolders() {
    std::vector<std::string> folders;
    // 64-bit Program Files, the 32-bit one, and the 64-bit one as a 32-bit program sees it.
    for (const wchar_t* name : {L"ProgramFiles", L"ProgramFiles(x86)", L"ProgramW6432"}) {
        wchar_t buffer[MAX_PATH * 4];
        const DWORD n = GetEnvironmentVariableW(name, buffer, MAX_PATH * 4);
        if (n > 0 && n < MAX_PATH * 4) folders.push_back(narrow({buffer, n}));
    }
    return folders;
}

std::string adminSettingsFolder() {
    return "";
}

int processId() noexcept {
    return static_cast<int>(GetCurrentProcessId());
}

bool processAlive(int pid) noexcept {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool alive = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return alive;
}

}  // namespace talvorin::os
