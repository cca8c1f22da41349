#!/usr/bin/env bash
# talvorin.exe imports only DLLs Windows always takes from its system folder:
# the KnownDLLs, and comctl32 through the manifest's side-by-side assembly;
# those only the tray, the dialog and start-at-login need are delay-loaded.
# Imports are resolved before wWinMain can limit the DLL search, so any other
# import (version.dll, dwmapi.dll, ...) could be planted beside the program.
#   check-imports.sh <objdump> <talvorin.exe>
set -euo pipefail

known="advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleaut32 psapi rpcrt4
shell32 shlwapi user32 ws2_32"
imports=$("$1" -p "$2" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "FAIL: no import table read from $2" >&2; exit 1; }
status=0
for dll in $imports; do
    if grep -qw "${dll%.dll}" <<<"$known"; then
        echo "ok: $dll"
    else
        echo "FAIL: $dll is no KnownDLL: a copy beside the program would be loaded" >&2
        status=1
    fi
done
# Loaded on first use, not before the clock's first frame (delay-load).
for dll in shell32 comctl32 advapi32; do
    if grep -qw "$dll.dll" <<<"$imports"; then
        echo "FAIL: $dll.dll is imported at start; it is meant to be delay-loaded" >&2
        status=1
    fi
done
exit $status
