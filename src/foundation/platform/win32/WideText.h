// The core speaks UTF-8; Windows speaks UTF-16 through its W functions. Texts
// cross between the two only here, so "Paramètres" shows the same whatever
// the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace talvorin::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace talvorin::win32
