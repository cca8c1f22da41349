#!/usr/bin/env bash
# Installs the Debian packages a task needs, once: quiet and quick when
# everything is already there. Run as root on Debian 12.
#   deps.sh run       build and start the Linux clock (the default)
#   deps.sh package   also build the packages
#   deps.sh test      everything the test command needs
set -euo pipefail

run=(
    cmake ninja-build g++                           # the build
    qt6-base-dev libgl-dev libxcb1-dev              # the Linux program
    fonts-dseg fonts-liberation fontconfig          # its LCD face and form font
    xvfb xauth xdotool x11-utils imagemagick openbox # no desktop: a virtual one and a screenshot
)
package=(
    g++-mingw-w64-x86-64-posix                      # the Windows program
    dpkg-dev file                                   # cpack's DEB generator: dpkg-shlibdeps, file
    nsis                                            # makensis, the Windows installer
    desktop-file-utils appstream icoutils           # validators: desktop entry, metainfo, .ico
    lintian patchelf                                # Debian's package checks; the bundle's run paths
)
test=(
    libgtest-dev                                    # the core's unit tests
    wine wine64 locales                             # the Windows program, run under Wine
    trayer                                          # an XEmbed notification area for the tray tests
    xterm picom                                     # a window under the clock, a compositor for its blend
    at-spi2-core python3-pyatspi dbus               # the accessibility tree, read as a screen reader does
    clang libclang-rt-14-dev                        # libFuzzer, for the fuzzing smoke run
)

case "${1:-run}" in
    run) packages=("${run[@]}") ;;
    package) packages=("${run[@]}" "${package[@]}") ;;
    test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
    *) echo "usage: deps.sh [run|package|test]" >&2; exit 2 ;;
esac

# The Windows tests run Wine under the French locale; its UTF-8 form must exist
# for Wine to map non-ASCII file names.
need_locale() { [ "${1:-run}" = test ] && ! locale -a 2>/dev/null | grep -qix 'fr_FR.utf8'; }

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && ! need_locale "${1:-run}" && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}; run as root or install them." >&2
    exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if need_locale "${1:-run}"; then
    localedef -i fr_FR -c -f UTF-8 fr_FR.UTF-8
fi
