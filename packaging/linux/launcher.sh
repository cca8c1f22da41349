#!/bin/sh
# Starts the portable clock from wherever the folder was unpacked, with the
# libraries, plugin and faces it carries. It keeps talvorin.desktop beside
# itself pointing here, so the entry can be copied into a menu
# (~/.local/share/applications) or opened from a file manager; after the
# folder moved, the next start writes it again.
here=$(dirname "$(readlink -f "$0")")

# fontconfig reads the bundle's file, which adds its faces to the system's.
FONTCONFIG_FILE="$here/fonts/fonts.conf"
export FONTCONFIG_FILE
# The clock draws without OpenGL; no GL integration to look for.
QT_XCB_GL_INTEGRATION=${QT_XCB_GL_INTEGRATION:-none}
export QT_XCB_GL_INTEGRATION

# A desktop entry's Exec quotes a path with \ " ` $ escaped, then escapes
# backslashes once more as any of its strings; % is doubled.
quoted=$(printf '%s' "$here/talvorin" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')
entry="[Desktop Entry]
Type=Application
Name=Talvorin
Comment=Desktop clock
Comment[fr]=Horloge de bureau
Exec=\"$quoted\"
Icon=$here/share/icons/talvorin.png
Terminal=false
Categories=Utility;Clock;
StartupNotify=false
StartupWMClass=talvorin"
if [ "$(cat "$here/talvorin.desktop" 2>/dev/null)" != "$entry" ]; then
    { printf '%s\n' "$entry" >"$here/talvorin.desktop.tmp" &&
        chmod 0755 "$here/talvorin.desktop.tmp" &&
        mv -f "$here/talvorin.desktop.tmp" "$here/talvorin.desktop"; } 2>/dev/null ||
        echo "talvorin: $here/talvorin.desktop not written (read-only folder?); the clock starts anyway" >&2
fi

exec "$here/bin/talvorin" "$@"
