#!/usr/bin/env bash
# The build already keeps a runtime from reaching the behaviour (each layer
# has its own include root); this keeps the portable layers portable: no OS,
# X11 or Qt header in the behaviour or in the base layer outside its per-OS
# files, and no runtime file naming a behaviour header by any path.
set -uo pipefail
src=${1:?usage: check-layers.sh <src folder>}
status=0

report() {
    if [ -n "$2" ]; then
        echo "$1:"
        echo "$2"
        status=1
    fi
}

system='#include *<(windows\.h|windowsx\.h|shlobj\.h|unistd\.h|fcntl\.h|sys/[a-z_]+\.h|dirent\.h|pwd\.h|xcb/|X11/|Q[A-Za-z]+)'
# The behaviour, the base layer but for its per-OS files, and the runtime
# interface itself (the top of platform/, not the runtimes beneath it).
portable=$({
    find "$src/behaviour" "$src/foundation/base" -name '*.h' -o -name '*.cpp'
    find "$src/foundation/platform" -maxdepth 1 -name '*.h' -o -name '*.cpp'
} | grep -vE '(Posix|Win32)\.cpp$')
report "OS or toolkit headers in the portable layers" \
    "$(xargs grep -nE "$system" <<<"$portable")"

runtimes=$(find "$src/foundation" -name '*.h' -o -name '*.cpp')
report "runtime or base files that include the behaviour" \
    "$(xargs grep -nE '#include *"(\.\./)*(clock|dialog|settings|program|behaviour)/' <<<"$runtimes")"

[ $status -eq 0 ] && echo "layers: clean"
exit $status
