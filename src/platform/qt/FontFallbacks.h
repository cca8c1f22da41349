// Faces the designs name that a Linux desktop seldom has, and what stands in
// for them: the LCD face "Naviset" becomes DSEG7 Classic (Debian fonts-dseg)
// when it is not installed.
#pragma once

#include <QString>
#include <string>

namespace talvorin {

// The face to draw with: the designed one when installed, else its stand-in
// when that is installed, else the designed name for Qt's own substitution.
QString installedFace(const std::string& face);

}  // namespace talvorin
