# Sourced by the shell tests that stop at the first failure: fail, check and
# wait_until. fail shows what the program under test wrote on stderr, when
# the test keeps it in $work/stderr.log.

fail() {
    echo "FAIL: $*" >&2
    [ -s "${work:-}/stderr.log" ] && sed 's/^/  program: /' "$work/stderr.log" >&2
    exit 1
}

check() {  # what expected actual
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
    echo "ok: $1 = $3 ($SECONDS s)"
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}
