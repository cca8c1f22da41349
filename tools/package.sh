#!/usr/bin/env bash
# Builds every package into build/packages/: the .deb and the portable bundle
# (tarball) of the Linux program, the portable zip and the installer of the Windows program.
# Each comes from its own Release build without tests (build/package-linux,
# build/package-windows), so the development builds are left alone.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/packages"
"$root/tools/deps.sh" package

# Reproducible: two runs on one commit give the same bytes, wherever the clone
# and whenever the run. Every time stored (archive members, gzip and .deb
# headers, the Qt resources' file times) is the last commit's; the source
# folder becomes "." in the binaries; the Windows linker stores no time (the
# PE checksum then follows from the bytes); DOS times in the zip are UTC.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
export TZ=UTC
prefix_map="-ffile-prefix-map=$root=."

# configure_and_build <build dir> [cmake args...]
configure_and_build() {
    local dir=$1
    shift
    # What was made under another commit's time (the Qt resources) would keep
    # it, as nothing it depends on changed: a new commit builds from scratch.
    if [ "$(cat "$dir/source-date-epoch" 2>/dev/null)" != "$SOURCE_DATE_EPOCH" ]; then
        rm -rf "$dir"
        mkdir -p "$dir"
        echo "$SOURCE_DATE_EPOCH" >"$dir/source-date-epoch"
    fi
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALVORIN_TESTS=OFF "$@" >/dev/null
    if [ ! -f "$dir/CPackConfig.cmake" ]; then
        echo "package.sh: $dir has no CPack configuration: the top-level CMakeLists.txt" \
             "must include(cmake/Packaging.cmake)" >&2
        exit 1
    fi
    cmake --build "$dir" -j2
}

# pack <build dir>: runs the build's CPack generators into build/packages.
pack() {
    cpack --config "$1/CPackConfig.cmake" -B "$out" >/dev/null
    rm -rf "$out/_CPack_Packages"
}

mkdir -p "$out"

# The Linux program is built as Debian builds its packages: hardened (fortify,
# stack protector, PIE, RELRO and immediate binding), the flags from
# dpkg-buildflags, and for the /usr prefix the .deb installs it under.
linux="$root/build/package-linux"
flags() { DEB_BUILD_MAINT_OPTIONS="hardening=+all reproducible=-fixfilepath" dpkg-buildflags --get "$1"; }
configure_and_build "$linux" -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS) $prefix_map" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
pack "$linux"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$linux/CPackConfig.cmake")
"$root/packaging/linux/bundle.sh" "$linux" "$out" "$version" >/dev/null

windows="$root/build/package-windows"
configure_and_build "$windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_CXX_FLAGS="$prefix_map" \
    -DCMAKE_EXE_LINKER_FLAGS="-Wl,--no-insert-timestamp"

# The zip and the installer pack the same flat tree. The zip is made here, not
# by CPack, whose members come in the folder's order: here they are sorted,
# with the last commit's time and fixed permissions, and nothing else stored.
stage="$windows/stage"
rm -rf "$stage"
cmake --install "$windows" --prefix "$stage" >/dev/null
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$windows/CPackConfig.cmake")
python3 - "$stage" "$out/talvorin-$version-windows-x64.zip" "talvorin-$version-windows-x64" <<'EOF'
import os, sys, time, zipfile
stage, zip_path, top = sys.argv[1:]
stamp = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), 315532800))[:6]  # zip starts in 1980
with zipfile.ZipFile(zip_path, "w", zipfile.ZIP_DEFLATED) as archive:
    for name in sorted(os.listdir(stage)):
        member = zipfile.ZipInfo(f"{top}/{name}", stamp)
        member.external_attr = (0o100755 if name.endswith(".exe") else 0o100644) << 16
        member.compress_type = zipfile.ZIP_DEFLATED
        with open(os.path.join(stage, name), "rb") as data:
            archive.writestr(member, data.read())
EOF
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
    -DOUTFILE="$out/talvorin-$version-windows-x64-setup.exe" "$root/packaging/windows/talvorin.nsi"

ls -l "$out"
