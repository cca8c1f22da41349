// Faces the designs name that a Linux desktop seldom has, and what stands in
// for them: the LCD face "Naviset" becomes DSEG7 Classic (Debian fonts-dseg)
// when it is not installed.
#pragma once

#include <QFont>
#include <string>

namespace talvorin {

// Gives the font the designed face when it is installed, else its stand-in
// when that is installed, else the designed name for Qt's own substitution.
void applyFace(QFont& font, const std::string& face);

}  // namespace talvorin
