#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, once: quiet and
# quick when everything is already there. Run as root on Debian 12.
set -euo pipefail

packages=(
    cmake ninja-build g++ libgtest-dev            # core, headless runtime, unit tests
    qt6-base-dev libgl-dev fonts-dseg fonts-liberation               # the Linux program
    g++-mingw-w64-x86-64-posix wine wine64          # the Windows program and its tests
    xvfb xdotool x11-utils imagemagick openbox      # real windows on a virtual display
    xauth fontconfig locales
    libxcb1-dev                                     # the Linux program's window-manager states
    trayer                                          # an XEmbed notification area for the tray tests
    at-spi2-core python3-pyatspi dbus               # the accessibility tree, read as a screen reader does
)

# The Windows tests run Wine under the French locale; its UTF-8 form must exist
# for Wine to map non-ASCII file names.
need_locale() { ! locale -a 2>/dev/null | grep -qix 'fr_FR.utf8'; }

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && ! need_locale && exit 0

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
if need_locale; then
    localedef -i fr_FR -c -f UTF-8 fr_FR.UTF-8
fi
