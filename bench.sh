#!/usr/bin/env bash
# Builds the program in release mode and prints the benchmark table: medians
# of repeated runs, each against plain Qt doing the same visible work.
# Usage: ./bench.sh [runs] [child runs]
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench --target varnel_bench --parallel "$(nproc)"

echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores; Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6)"
build-bench/bench/varnel_bench "$@"
