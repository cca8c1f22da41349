// Font faces for the designs. The time label asks for the LCD face
// "Naviset", which the program has never carried; when it is not installed
// the runtime uses DSEG7 Classic (SIL Open Font License), shipped beside the
// executable and loaded for this process only, so the digits look like an
// LCD out of the box without installing anything system-wide.
//
// The clock's widths (44 twips per point for hours and minutes, 66 with the
// seconds) were made for a narrow LCD face: about 0.42 em per character.
// DSEG7 Classic draws 0.64 em per character, so it is drawn condensed, or
// the minutes would fall outside the window.
#pragma once

#include <filesystem>
#include <string>

namespace talvorin::win32 {

inline constexpr const wchar_t* kBundledLcdFile = L"DSEG7Classic-Regular.ttf";
inline constexpr const wchar_t* kBundledLcdFace = L"DSEG7 Classic";
inline constexpr double kBundledLcdCondense = 0.62;  // of the face's own width

struct ResolvedFace {
    std::wstring face;
    double widthScale = 1.0;  // applied to the face's average character width
};

class FontFaces {
  public:
    explicit FontFaces(std::filesystem::path directory) : directory_(std::move(directory)) {}
    ~FontFaces();
    FontFaces(const FontFaces&) = delete;
    FontFaces& operator=(const FontFaces&) = delete;

    // The face to ask GDI for when a design names `face` (UTF-8).
    ResolvedFace resolve(const std::string& face);

  private:
    void loadBundledLcd();

    std::filesystem::path directory_;
    bool bundledTried_ = false;
    bool bundledLoaded_ = false;
};

bool faceInstalled(const std::wstring& face);

}  // namespace talvorin::win32
