#include "platform/win32/FontFaces.h"

#include "platform/win32/ScopedWin.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

namespace {

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one match is enough
}

bool faceInstalled(const std::wstring& face) {
    if (face.empty() || face.size() >= LF_FACESIZE) return false;
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(query.lfFaceName, face.c_str(), LF_FACESIZE);
    bool found = false;
    const WindowDC screen(nullptr);
    EnumFontFamiliesExW(screen.get(), &query, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace

bool FontFaces::installed(const std::wstring& face) {
    // Asked for every font the labels build; a face installed while the
    // clock runs is seen at its next start.
    auto [known, added] = installed_.try_emplace(face, false);
    if (added) known->second = faceInstalled(face);
    return known->second;
}

FontFaces::~FontFaces() {
    if (bundledLoaded_)
        RemoveFontResourceExW((directory_ + L"\\" + kBundledLcdFile).c_str(), FR_PRIVATE, nullptr);
}

ResolvedFace FontFaces::resolve(const FontDesign& design) {
    std::wstring face = widen(design.face);
    if (design.fallbackFace.empty() || installed(face)) return ResolvedFace{face};
    std::wstring fallback = widen(design.fallbackFace);
    if (fallback == kBundledLcdFace) loadBundledLcd();
    return ResolvedFace{fallback, design.fallbackWidthPercent / 100.0};
}

void FontFaces::loadBundledLcd() {
    if (bundledTried_) return;
    bundledTried_ = true;
    // NOTE: without the file GDI maps the face to a default one; the clock
    // still works, it only loses its LCD look.
    bundledLoaded_ =
        AddFontResourceExW((directory_ + L"\\" + kBundledLcdFile).c_str(), FR_PRIVATE, nullptr) > 0;
}

}  // namespace talvorin::win32
