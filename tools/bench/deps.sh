#!/usr/bin/env bash
# The Debian packages the benchmark needs beyond the project's own (tools/deps.sh):
# the clocks it compares with, the X headers of its watcher, gnuplot.
set -euo pipefail
packages=(x11-apps dclock gnuplot-nox libx11-dev libxdamage-dev libxfixes-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
