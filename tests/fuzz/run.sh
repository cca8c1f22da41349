#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (build/fuzz) and runs each on a
# copy of the seed corpus for the given number of seconds.
#   tests/fuzz/run.sh 15      the smoke run of the test command (the harnesses run side by side)
#   tests/fuzz/run.sh 3600    a long run; new inputs stay in build/fuzz/corpus-*
# A crash leaves its input as build/fuzz/crash-* and fails the run.
set -euo pipefail
seconds=${1:-15}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build="$source_dir/build/fuzz"

need=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq "${need[@]}" >/dev/null
fi

cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTALVORIN_FUZZ=ON -DTALVORIN_TESTS=OFF -DTALVORIN_QT=OFF \
    -DTALVORIN_WERROR=ON -DTALVORIN_SANITIZE=fuzzer-no-link,address,undefined >/dev/null
cmake --build "$build" -j2 --target fuzz_options_file fuzz_conversions fuzz_clock_cycle

fuzz() {  # harness: its output in build/fuzz/<harness>.log
    local corpus="$build/corpus-$1"
    mkdir -p "$corpus"
    cp -n "$source_dir"/tests/fuzz/seeds/* "$corpus"/
    (cd "$build" && "tests/fuzz/$1" -max_total_time="$seconds" -max_len=70000 -timeout=5 \
        -rss_limit_mb=1024 -print_final_stats=1 "$corpus") >"$build/$1.log" 2>&1
}

# Side by side: each harness still gets its seconds, the run takes them once.
harnesses=(fuzz_options_file fuzz_conversions fuzz_clock_cycle)
for harness in "${harnesses[@]}"; do fuzz "$harness" & done
status=0
for _ in "${harnesses[@]}"; do wait -n || status=1; done
for harness in "${harnesses[@]}"; do
    echo "== $harness, $seconds s"
    tail -n 12 "$build/$harness.log"
done
exit $status
