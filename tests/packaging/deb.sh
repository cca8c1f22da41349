#!/usr/bin/env bash
# The .deb CPack makes from a Linux build: it depends on fonts-dseg for the
# LCD face and, through dpkg-shlibdeps, on the Qt 6 libraries the program
# links; it holds the program at /usr/bin/talvorin and no font of its own.
#   deb.sh <build dir> <project version>
set -euo pipefail
source "$(dirname "$0")/../lib/tally.sh"

build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -f "$build/CPackConfig.cmake" ] || {
    echo "$build has no CPack configuration: is cmake/Packaging.cmake included?" >&2
    exit 1
}
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/talvorin_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
contents=$(dpkg-deb -c "$deb")
echo "Depends: $depends"

depends_on() { echo "$depends" | tr ',' '\n' | grep -Eq "^ *$1( |\$)"; }
holds() { echo "$contents" | grep -Eq "$1"; }
lacks() { ! holds "$1"; }

check "depends on fonts-dseg" depends_on fonts-dseg
check "depends on a Qt 6 library" depends_on 'libqt6[a-z]+6'
check "holds an executable usr/bin/talvorin" holds '^-rwxr-xr-x .* \./usr/bin/talvorin$'
check "holds the desktop entry" holds ' \./usr/share/applications/talvorin\.desktop$'
check "holds no font" lacks '\.(ttf|otf)$'
check "versioned as the project ($version)" test "$(dpkg-deb -f "$deb" Version)" = "$version"
docs() { holds 'doc/talvorin/copyright$' && holds 'doc/talvorin/changelog\.gz$' && holds 'man1/talvorin\.1\.gz$'; }
check "holds Debian's copyright, changelog and manual page" docs
! command -v lintian >/dev/null || check "lintian: no E:, no W:" lintian --fail-on error,warning "$deb"

checks_done
