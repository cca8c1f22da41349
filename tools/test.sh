#!/usr/bin/env bash
# Builds everything and runs every test: the core on the headless runtime and
# the Linux program (preset linux), the core again under AddressSanitizer and
# UndefinedBehaviorSanitizer (preset sanitize), then the Windows program under
# Wine (preset windows). Installs what is missing first.
set -uo pipefail
cd "$(dirname "$0")/.."

tools/deps.sh test || exit 1

passed=0
times=()
failed=0
status=0
for preset in linux sanitize windows; do
    echo "=== $preset ==="
    log=$(mktemp)
    started=$SECONDS
    cmake --workflow --preset "$preset" 2>&1 | tee "$log"
    result=${PIPESTATUS[0]}
    times+=("$preset $((SECONDS - started)) s")
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1)
    rm -f "$log"
    if [ -z "$summary" ]; then
        echo "$preset: no test ran (configure or build failed)"
        status=1
        continue
    fi
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$result" -eq 0 ] || status=1
done

echo "time per stage (build and tests): ${times[*]}"
echo "all: $passed passed, $failed failed"
exit $status
