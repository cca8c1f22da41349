#include "platform/win32/ModuleInfo.h"

#include <string>
#include <vector>

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

Version executableVersion() {
    const Version compiled{TALVORIN_VERSION_MAJOR, TALVORIN_VERSION_MINOR,
                           TALVORIN_VERSION_REVISION};
    const std::wstring path = executablePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return compiled;
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return compiled;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) ||
        infoSize < sizeof(VS_FIXEDFILEINFO))
        return compiled;
    // FILEVERSION major,minor,revision,0
    return Version{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                   HIWORD(info->dwFileVersionLS)};
}

}  // namespace talvorin::win32
