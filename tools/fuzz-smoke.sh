#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each briefly over its seed
# corpus: the reader of pedgrp.dat (fuzz/corpus) and the readers of the
# game's zone files (fuzz/corpus-zones). Fails on any crash, sanitizer report
# or broken property; skips when clang++ is not installed.
# Usage: tools/fuzz-smoke.sh [seconds per target]
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
cmake --build "$build" --target fuzz_reader fuzz_zones --parallel "$(nproc)"

# New inputs go to a scratch folder so the seeds in the repository stay as they are.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/fuzz-findings"
for target in reader:corpus zones:corpus-zones; do
  name=${target%%:*}
  corpus=fuzz/${target#*:}
  mkdir -p "$scratch/$name"
  # Every seed whole once: the timed run below cuts inputs at 4096 bytes to keep its pace.
  "$build/fuzz/fuzz_$name" "$corpus"/* 2>&1 | tail -n 1
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$build/fuzz-findings/" "$scratch/$name" "$corpus"
done
echo "fuzz smoke: clean after ${seconds}s per target"
