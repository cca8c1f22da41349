// The names by which the program's windows can be found from outside: window
// classes, and control ids derived from the control's place in its design.
// Accessibility tools and the tests under Wine rely on them.
#pragma once

#include <cstddef>

namespace talvorin::win32 {

inline constexpr const wchar_t* kFormClass = L"TalvorinForm";
// A label with a transparent background: the form paints it, the child
// window carries its text for screen readers and tests.
inline constexpr const wchar_t* kLabelClass = L"TalvorinLabel";

// Ids stay clear of IDOK and IDCANCEL, which IsDialogMessage sends for
// Enter and Escape.
inline constexpr int kFirstControlId = 100;
inline constexpr int controlId(std::size_t designIndex) {
    return kFirstControlId + static_cast<int>(designIndex);
}

}  // namespace talvorin::win32
