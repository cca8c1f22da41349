#!/usr/bin/env bash
# Tries the Linux packages as a new user would, on a clean Debian 12 (minbase)
# root, with a virtual display of this machine passed in. Slow (debootstrap,
# apt), so it is no part of the tests; its output goes into the notes.
#   minbase-check.sh <root cache dir> <talvorin .deb> <talvorin tarball> [shots dir]
# - the tarball, in a copy of the root with only the X client libraries added:
#   started as a user, a screenshot of the clock, its file beside itself;
# - the .deb, in another copy: apt installs it with its dependencies; run as
#   root and as a user (files in each one's ~/.config, none under /usr); a
#   user new after the administrator wrote /etc/talvorin/tl_options.txt
#   starts from it; purge leaves nothing of the package.
# Run as root. The root cache is made by debootstrap when missing.
set -euo pipefail

cache=$1
deb=$(readlink -f "$2")
tarball=$(readlink -f "$3")
shots=$(readlink -f "${4:-.}")
here=$(cd "$(dirname "$0")" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "minbase-check.sh: run as root (debootstrap, chroot)" >&2; exit 1; }
# The whole check runs on a virtual display of its own.
if [ -z "${MINBASE_ON_DISPLAY:-}" ]; then
    MINBASE_ON_DISPLAY=1 exec "$here/with-xvfb.sh" "$0" "$@"
fi

if [ ! -x "$cache/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$cache" http://deb.debian.org/debian
fi
work=$(mktemp -d /var/tmp/minbase-check.XXXXXX)
mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# fresh <name>: root becomes a copy of the clean root, ready for chroot and apt.
fresh() {
    root="$work/$1"
    cp -a "$cache" "$root"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    for fs in proc dev tmp/.X11-unix; do
        mkdir -p "$root/$fs"
        mount --bind "/$fs" "$root/$fs"
        mounted+=("$root/$fs")
    done
    chroot "$root" useradd -m ana
}
in_root() { chroot "$root" "$@"; }
apt_in_root() { in_root env DEBIAN_FRONTEND=noninteractive apt-get -qq -o Dpkg::Use-Pty=0 "$@" >/dev/null; }

# run_clock <user> <command...>: starts the clock on the display for a few
# seconds (two ticks: it has written its file), shoots it, then ends it.
run_clock() {
    local user=$1 home
    shift
    home=$(in_root getent passwd "$user" | cut -d: -f6)
    in_root setpriv --reuid="$user" --regid="$user" --init-groups \
        env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@" \
        >"$work/clock.out" 2>&1 &
    local pid=$!
    sleep 6
    import -window root "$shots/minbase-$user-$(basename "$1").png" 2>/dev/null || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "  stderr of the clock: $(tr '\n' ' ' <"$work/clock.out")"
}
say() { echo "== $*"; }

check_tarball() {
    fresh bundle
    apt_in_root update
    apt_in_root install -y --no-install-recommends libx11-6 libx11-xcb1
    say "bundle: X client libraries added: $(in_root dpkg-query -W -f='${Package} ' libx11-6 libx11-xcb1 libxcb1 libxau6 libxdmcp6)"
    say "bundle: Qt, fontconfig, fonts in the root: $(in_root sh -c 'ls /usr/lib/x86_64-linux-gnu | grep -ciE "qt6|fontconfig|freetype"') libraries, $(in_root sh -c 'ls /usr/share/fonts 2>/dev/null | wc -l') font folders"
    in_root setpriv --reuid=ana --regid=ana --init-groups tar -C /home/ana -xzf - <"$tarball"
    local dir
    dir=$(in_root sh -c 'ls -d /home/ana/talvorin-*')
    say "bundle: unpacked at $dir, $(du -sh "$root$dir" | cut -f1) unpacked, tarball $(du -h "$tarball" | cut -f1)"
    run_clock ana "$dir/talvorin"
    say "bundle: files beside the program: $(ls "$root$dir/bin" | tr '\n' ' ')"
    say "bundle: lines 8 and 9 after the first start: $(sed -n '8p;9p' "$root$dir/bin/tl_options.txt" | tr -d '\r' | tr '\n' ' ')"
    say "bundle: ~/.config/talvorin: $(ls "$root/home/ana/.config/talvorin" 2>&1 | tr '\n' ' ')"
    say "bundle: desktop entry: $(grep -E '^(Exec|Icon)=' "$root$dir/talvorin.desktop" | tr '\n' ' ')"
}

check_deb() {
    fresh deb
    cp "$deb" "$root/tmp/talvorin.deb"
    apt_in_root update
    touch "$root/tmp/before"
    apt_in_root install -y /tmp/talvorin.deb
    say "deb: installed $(in_root dpkg-query -W -f='${Package} ${Version}' talvorin), with $(in_root dpkg-query -W -f='${binary:Package}\n' | wc -l) packages in the root"
    run_clock root talvorin
    run_clock ana talvorin
    in_root mkdir -p /etc/talvorin
    sed '11s/.*/60\r/' "$root/root/.config/talvorin/tl_options.txt" >"$root/etc/talvorin/tl_options.txt"
    in_root useradd -m bob
    run_clock bob talvorin
    say "deb: root's file: $(ls "$root/root/.config/talvorin" | tr '\n' ' ')"
    say "deb: ana's file: $(ls "$root/home/ana/.config/talvorin" | tr '\n' ' '); lines 8 and 9: $(sed -n '8p;9p' "$root/home/ana/.config/talvorin/tl_options.txt" | tr -d '\r' | tr '\n' ' ')"
    say "deb: bob (after /etc/talvorin/tl_options.txt said 60): line 11 = $(sed -n '11p' "$root/home/bob/.config/talvorin/tl_options.txt" | tr -d '\r')"
    say "deb: files written under /usr since the install: $(find "$root/usr" -newer "$root/tmp/before" -type f -name 'tl_options*' | wc -l) options files; $(find "$root/usr/bin" -name 'tl_*' | wc -l) in /usr/bin"
    apt_in_root purge -y talvorin
    say "deb: after purge: dpkg knows $(in_root dpkg-query -W -f='${Status}' talvorin 2>&1 || true); left: $(ls -d "$root"/usr/bin/talvorin "$root"/usr/share/doc/talvorin "$root"/usr/share/man/man1/talvorin.1.gz "$root"/usr/share/applications/talvorin.desktop 2>&1 | grep -vc 'No such') of the package's files; /etc/talvorin (the administrator's own): $(ls "$root/etc/talvorin")"
}

check_tarball
check_deb
