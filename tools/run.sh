#!/usr/bin/env bash
# Builds the Linux program and starts the clock. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target talvorin
exec tools/run-linux.sh "$@"
