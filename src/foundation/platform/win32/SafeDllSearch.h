// DLLs from the system folder only, so a DLL planted beside talvorin.exe (in
// a Downloads folder, say) is never loaded in place of a system one.
#pragma once

namespace talvorin::win32 {

// First thing in wWinMain, before anything may load a DLL.
void loadDllsFromSystemFolderOnly();

}  // namespace talvorin::win32
