// Font faces for the designs. A font may name a fallback face for when its
// own is not installed (the time label's LCD face "Naviset", which the
// program has never carried). The LCD stand-in, DSEG7 Classic (SIL Open Font
// License), ships beside the executable and is loaded for this process only,
// so the digits look like an LCD out of the box without installing anything
// system-wide.
#pragma once

#include <map>
#include <string>

#include "platform/Design.h"

namespace talvorin::win32 {

inline constexpr const wchar_t* kBundledLcdFile = L"DSEG7Classic-Regular.ttf";
inline constexpr const wchar_t* kBundledLcdFace = L"DSEG7 Classic";

struct ResolvedFace {
    std::wstring face;
    double widthScale = 1.0;  // applied to the face's average character width
};

class FontFaces {
  public:
    explicit FontFaces(std::wstring directory) : directory_(std::move(directory)) {}
    ~FontFaces();
    FontFaces(const FontFaces&) = delete;
    FontFaces& operator=(const FontFaces&) = delete;

    // The face to ask GDI for, and how much to condense it, for a design's font.
    ResolvedFace resolve(const FontDesign& design);

  private:
    void loadBundledLcd();
    bool installed(const std::wstring& face);

    std::wstring directory_;  // no trailing separator
    bool bundledTried_ = false;
    bool bundledLoaded_ = false;
    std::map<std::wstring, bool> installed_;
};

}  // namespace talvorin::win32
