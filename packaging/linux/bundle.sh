#!/usr/bin/env bash
# Makes the portable Linux tarball: the clock with everything it needs beyond
# glibc and the X11 client libraries, so that it runs unpacked anywhere, on a
# system without Qt or the LCD face:
#   talvorin             the launcher: start it (it also writes talvorin.desktop)
#   bin/talvorin         the program; its tl_options.txt is kept beside it
#   bin/qt.conf          points Qt at plugins/
#   lib/                 Qt 6 and the libraries it needs ($ORIGIN run paths)
#   plugins/platforms/   the xcb platform plugin
#   fonts/               the LCD face, the forms' face and their fontconfig file
#   share/icons/         the icon the desktop entry shows
#   licences/            the notice and the terms of every file carried
#
#   bundle.sh <Linux build dir> <out dir> <version>
set -euo pipefail

build=$1
out=$2
version=$3
here=$(cd "$(dirname "$0")" && pwd)
packaging=$(dirname "$here")
name="talvorin-$version-linux-$(uname -m)"
program="$build/src/programs/linux/talvorin"
[ -x "$program" ] || { echo "bundle.sh: no program at $program" >&2; exit 1; }
for tool in patchelf qtpaths6 dpkg-query; do
    command -v "$tool" >/dev/null || { echo "bundle.sh: $tool is needed (tools/deps.sh package)" >&2; exit 1; }
done

# What every system that runs X11 programs has: glibc and the X11 client
# libraries (and those they need). Everything else travels in the bundle.
system_set='^(linux-vdso|ld-linux-x86-64|libc|libm|libpthread|libdl|librt|libresolv|libX11|libX11-xcb|libxcb|libXau|libXdmcp|libbsd|libmd)\.so'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/$name"
mkdir -p "$root"/{bin,lib,plugins/platforms,fonts,share/icons,licences}

plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS)
install -m 0755 "$program" "$root/bin/talvorin"
install -m 0755 "$plugins/platforms/libqxcb.so" "$root/plugins/platforms/"

# The Debian package a library comes from, under any of its merged-/usr names.
package_of() {
    local real
    real=$(readlink -f "$1")
    for name in "$1" "$real" "/usr${real#/usr}" "${real#/usr}"; do
        dpkg-query -S "$name" 2>/dev/null | head -n1 | cut -d: -f1 && return
    done
    echo "bundle.sh: no package owns $1, so its terms are unknown" >&2
    return 1
}

# The libraries the program and the plugin load, by the loader's own answer.
ldd "$program" "$plugins/platforms/libqxcb.so" | awk '$2 == "=>" && $3 ~ /^\// {print $1, $3}' |
    sort -u | while read -r soname path; do
        [[ "$soname" =~ $system_set ]] && continue
        [ -e "$root/lib/$soname" ] || install -m 0644 "$(readlink -f "$path")" "$root/lib/$soname"
        # Whose terms these are: the Debian package the library comes from.
        package=$(package_of "$path")
        cp "/usr/share/doc/$package/copyright" "$root/licences/$package.copyright"
    done
if ldd "$program" "$plugins/platforms/libqxcb.so" | grep -q 'not found'; then
    echo "bundle.sh: a library the program needs is missing on this system" >&2
    exit 1
fi

strip --strip-unneeded "$root/bin/talvorin" "$root/plugins/platforms/libqxcb.so" "$root"/lib/*.so*
patchelf --set-rpath '$ORIGIN/../lib' "$root/bin/talvorin"
patchelf --set-rpath '$ORIGIN/../../lib' "$root/plugins/platforms/libqxcb.so"
for lib in "$root"/lib/*.so*; do patchelf --set-rpath '$ORIGIN' "$lib"; done

# Each file the loader reads must now come from the bundle or the system set,
# with no library path from the environment helping.
for elf in "$root/bin/talvorin" "$root/plugins/platforms/libqxcb.so" "$root"/lib/*.so*; do
    env -i /usr/bin/ldd "$elf" | root="$root/" set="$system_set" elf="$elf" awk '
        /not found/ || ($2 == "=>" && index($3, ENVIRON["root"]) != 1 && $1 !~ ENVIRON["set"]) {
            print "bundle.sh: " ENVIRON["elf"] " would load " $0 " from outside the bundle" > "/dev/stderr"
            bad = 1 }
        END { exit bad }'
done

printf '[Paths]\nPrefix = ..\nPlugins = plugins\n' >"$root/bin/qt.conf"

# The faces: the digits' DSEG7 and the forms' Liberation Sans, found through a
# fontconfig file of the bundle's own that also keeps the system's fonts.
install -m 0644 "$packaging/fonts/DSEG7Classic-Regular.ttf" \
    /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf \
    /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf "$root/fonts/"
cat >"$root/fonts/fonts.conf" <<'EOF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir prefix="relative">.</dir>
  <cachedir prefix="xdg">fontconfig</cachedir>
</fontconfig>
EOF
install -m 0644 "$packaging/icons/hicolor/256x256/apps/talvorin.png" "$root/share/icons/"
install -m 0644 "$packaging/licences/NOTICE.txt" "$packaging/licences/DSEG7-OFL.txt" "$root/licences/"
cp /usr/share/doc/fonts-liberation/copyright "$root/licences/fonts-liberation.copyright"
install -m 0755 "$here/launcher.sh" "$root/talvorin"

# Same bytes for the same sources: names sorted, no owner, the last commit's time.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$packaging" log -1 --format=%ct 2>/dev/null || date +%s)}
mkdir -p "$out"
tar -C "$work" --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$epoch" \
    --pax-option=exthdr.name=%d/PaxHeaders/%f,delete=atime,delete=ctime -cf - "$name" |
    gzip -9n >"$out/$name.tar.gz"
echo "$out/$name.tar.gz"
