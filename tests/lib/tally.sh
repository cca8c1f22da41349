# Sourced by the shell tests that run every check and fail at the end with
# how many failed: check <description> <command...>, then checks_done.
failures=0

check() {
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what" >&2; failures=$((failures + 1)); fi
}

checks_done() {
    [ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
}
