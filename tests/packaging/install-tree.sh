#!/usr/bin/env bash
# cmake --install of a Linux build into a staging folder gives the tree a
# desktop expects: the program, its entry, icons at both ends of the size
# range and the scalable one, the metainfo, the licences; and not the LCD
# face, which the system provides (fonts-dseg).
#   install-tree.sh <build dir>
set -euo pipefail
source "$(dirname "$0")/../lib/tally.sh"

build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR="$work" cmake --install "$build" --prefix /usr >/dev/null
usr="$work/usr"

no_font() { [ -z "$(find "$work" -iname '*.ttf' -o -iname '*.otf')" ]; }
# The icon files are the committed ones, not empty or renamed copies.
is_png() { file -b "$1" | grep -q "^PNG image data, $2 x $2,"; }

check "bin/talvorin is an executable ELF" \
    sh -c "test -x '$usr/bin/talvorin' && file -b '$usr/bin/talvorin' | grep -q '^ELF'"
check "the desktop entry" test -f "$usr/share/applications/talvorin.desktop"
check "the 16 px icon" is_png "$usr/share/icons/hicolor/16x16/apps/talvorin.png" 16
check "the 256 px icon" is_png "$usr/share/icons/hicolor/256x256/apps/talvorin.png" 256
check "the scalable icon" test -s "$usr/share/icons/hicolor/scalable/apps/talvorin.svg"
check "the metainfo" sh -c "ls '$usr'/share/metainfo/*.metainfo.xml >/dev/null"
check "the DSEG7 licence" grep -q "SIL Open Font License" "$usr/share/doc/talvorin/DSEG7-OFL.txt"
check "no font shipped" no_font

checks_done
