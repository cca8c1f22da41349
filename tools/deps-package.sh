#!/usr/bin/env bash
# Installs the Debian packages that building and checking the packages needs,
# once: quiet when everything is already there. Run as root on Debian 12.
set -euo pipefail

packages=(
    dpkg-dev file                 # cpack's DEB generator: dpkg-shlibdeps, file
    nsis                          # makensis, the Windows installer
    desktop-file-utils appstream  # validators for the desktop entry and metainfo
    icoutils                      # icotool, to check the .ico
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}; run as root or install them." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
