// The settings beyond the options file, in a second file beside it: the
// options file keeps its fixed 15 lines, which other tools read by number.
// Meant for people: one `key=value` a line, blanks around `=` allowed, `#`
// starts a comment. A rewrite changes only the values of the known keys and
// keeps every other line (comments, unknown keys, bad lines) as it was.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace talvorin {

inline constexpr const char* kExtrasFileName = "tl_extras.txt";
inline constexpr std::size_t kMaxExtrasBytes = 64 * 1024;

// Each is off when its key or the whole file is missing.
struct Extras {
    bool clicsTraversants = false;     // clicks go to the window below
    bool positionVerrouillee = false;  // a drag never moves the clock
    bool masquerPleinEcran = false;    // hidden while a full-screen window is active
    bool survolDiscret = false;        // faded while the pointer is over it
    bool operator==(const Extras&) const = default;
};

enum class ExtraKey { ClicsTraversants, PositionVerrouillee, MasquerPleinEcran, SurvolDiscret };
bool& extraFlag(Extras& extras, ExtraKey key);
bool extraFlag(const Extras& extras, ExtraKey key);

// The file beside the options file `optionsFile`.
std::string extrasPathBeside(const std::string& optionsFile);

// A line that is neither blank, a comment, nor a known key with 0 or 1 is
// reported (its number and text: a mistyped key is found this way) and
// otherwise ignored; a rewrite keeps it.
Extras parseExtras(std::string_view text,
                   const std::function<void(std::size_t, const std::string&)>& badLine);

// `previous` (the file as it is, "" when none) with the known keys' values
// set to `extras`; keys it lacks are added at the end. Lines end in CR LF.
std::string formatExtras(std::string_view previous, const Extras& extras);

// "" for a missing file; raises as os::readRegularFile otherwise.
std::string readExtrasText(const std::string& path);

}  // namespace talvorin
