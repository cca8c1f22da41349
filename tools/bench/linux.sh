#!/usr/bin/env bash
# The Linux programs on the display tools/with-xvfb.sh gives, one at a time.
#   linux.sh CONFIG TALVORIN_BINARY BARE_QT_BINARY
set -euo pipefail
. "$(dirname "$0")/measure.sh"
BENCH_CONFIG=$1

add_program talvorin "$2"
add_program xclock xclock -digital -update 1
add_program dclock dclock -seconds
add_program bare-qt "$3"
measure_all
