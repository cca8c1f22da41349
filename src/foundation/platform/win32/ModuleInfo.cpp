#include "platform/win32/ModuleInfo.h"

#include <cstring>
#include <string>

#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

std::wstring executablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // a long path (\\?\ or a deep folder)
    }
}

std::wstring executableFolder() {
    std::wstring path = executablePath();
    path.resize(path.find_last_of(L"\\/"));  // GetModuleFileNameW gives a full path
    return path;
}

// Read from the resource itself, not through version.dll: that DLL is no
// KnownDLL, and importing it would let a version.dll planted beside the
// program load before wWinMain could limit the search to the system folder.
std::optional<Version> moduleVersion(HMODULE module) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    // VS_VERSIONINFO: three WORDs and L"VS_VERSION_INFO" (16 wide characters
    // with its end), padded to 32 bits, then the fixed part.
    constexpr size_t kFixedAt = 40;
    if (!bytes || SizeofResource(module, found) < kFixedAt + sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    VS_FIXEDFILEINFO info{};
    std::memcpy(&info, bytes + kFixedAt, sizeof(info));
    if (info.dwSignature != VS_FFI_SIGNATURE) return std::nullopt;
    // FILEVERSION major,minor,revision,0
    return Version{HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
                   HIWORD(info.dwFileVersionLS)};
}

Version executableVersion() {
    return moduleVersion(nullptr).value_or(
        Version{TALVORIN_VERSION_MAJOR, TALVORIN_VERSION_MINOR, TALVORIN_VERSION_REVISION});
}

}  // namespace talvorin::win32
