#include "platform/win32/Win32StartAtLogin.h"

#include <string>

#include "base/Error.h"
#include "platform/win32/ModuleInfo.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kValueName[] = L"Talvorin";

class Key {
  public:
    explicit Key(HKEY key) : key_(key) {}
    ~Key() { RegCloseKey(key_); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }

  private:
    HKEY key_;
};

[[noreturn]] void fail(const char* what, LSTATUS status) {
    throw RuntimeError(
        status == ERROR_ACCESS_DENIED ? ErrorCode::PermissionDenied : ErrorCode::PathFileAccess,
        std::string(what) + " HKCU\\...\\Run\\Talvorin: error " + std::to_string(status));
}

}  // namespace

bool win32StartsAtLogin() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    const Key run(key);
    DWORD type = 0;
    return RegQueryValueExW(run.get(), kValueName, nullptr, &type, nullptr, nullptr) ==
               ERROR_SUCCESS &&
           (type == REG_SZ || type == REG_EXPAND_SZ);
}

void win32SetStartAtLogin(bool on) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0,
                                     KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) fail("cannot open", status);
    const Key run(key);
    if (!on) {
        status = RegDeleteValueW(run.get(), kValueName);
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
            fail("cannot remove", status);
        return;
    }
    // Quoted, as a path with spaces would otherwise be split at the first one.
    const std::wstring command = L"\"" + executablePath() + L"\"";
    status = RegSetValueExW(run.get(), kValueName, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(command.c_str()),
                            static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) fail("cannot write", status);
}

}  // namespace talvorin::win32
