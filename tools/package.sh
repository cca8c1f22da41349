#!/usr/bin/env bash
# Builds every package into build/packages/: the .deb and the portable bundle
# (tarball) of the Linux program, the portable zip and the installer of the Windows program.
# Each comes from its own Release build without tests (build/package-linux,
# build/package-windows), so the development builds are left alone.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/packages"
"$root/tools/deps.sh" package

# configure_and_build <build dir> [cmake args...]
configure_and_build() {
    local dir=$1
    shift
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
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
pack "$linux"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$linux/CPackConfig.cmake")
"$root/packaging/linux/bundle.sh" "$linux" "$out" "$version" >/dev/null

windows="$root/build/package-windows"
configure_and_build "$windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel
pack "$windows"

# The installer packs the same tree the zip holds.
stage="$windows/stage"
rm -rf "$stage"
cmake --install "$windows" --prefix "$stage" >/dev/null
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$windows/CPackConfig.cmake")
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" \
    -DOUTFILE="$out/talvorin-$version-windows-x64-setup.exe" "$root/packaging/windows/talvorin.nsi"

ls -l "$out"
