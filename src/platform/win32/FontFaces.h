// Font faces for the designs. The time label asks for the LCD face
// "Naviset", which the program has never carried; when it is not installed
// the runtime uses DSEG7 Classic (SIL Open Font License), shipped beside the
// executable and loaded for this process only, so the digits look like an
// LCD out of the box without installing anything system-wide.
#pragma once

#include <filesystem>
#include <string>

namespace talvorin::win32 {

inline constexpr const wchar_t* kBundledLcdFile = L"DSEG7Classic-Regular.ttf";
inline constexpr const wchar_t* kBundledLcdFace = L"DSEG7 Classic";

class FontFaces {
  public:
    explicit FontFaces(std::filesystem::path directory) : directory_(std::move(directory)) {}
    ~FontFaces();
    FontFaces(const FontFaces&) = delete;
    FontFaces& operator=(const FontFaces&) = delete;

    // The face to ask GDI for when a design names `face` (UTF-8).
    std::wstring resolve(const std::string& face);

  private:
    void loadBundledLcd();

    std::filesystem::path directory_;
    bool bundledTried_ = false;
    bool bundledLoaded_ = false;
};

bool faceInstalled(const std::wstring& face);

}  // namespace talvorin::win32
