#!/usr/bin/env bash
# Builds the reader's fuzz target with clang and runs it briefly over the seed
# corpus. Fails on any crash, sanitizer report or broken property; skips when
# clang++ is not installed. Usage: tools/fuzz-smoke.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

if ! command -v clang++ >/dev/null; then
  echo "fuzz smoke: clang++ not found, skipped"
  exit 0
fi

build=build-fuzz
cmake -S . -B "$build" -DVARNEL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_reader --parallel "$(nproc)"

# New inputs go to a scratch folder so the seeds in the repository stay as they are.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/fuzz-findings"
# Every seed whole once: the timed run below cuts inputs at 4096 bytes to keep its pace.
"$build/fuzz/fuzz_reader" fuzz/corpus/* 2>&1 | tail -n 1
"$build/fuzz/fuzz_reader" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-findings/" "$scratch" fuzz/corpus
echo "fuzz smoke: clean after ${seconds}s"
