#include "platform/win32/SafeDllSearch.h"

#include "platform/win32/WinApi.h"

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

namespace talvorin::win32 {

void loadDllsFromSystemFolderOnly() {
    // Looked up: an SDK or a system without it still builds and runs.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    // Through void*: FARPROC and the real signature are unrelated function types.
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
        kernel ? GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr));
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Without it, at least the current folder leaves the search.
    SetDllDirectoryW(L"");
}

}  // namespace talvorin::win32
