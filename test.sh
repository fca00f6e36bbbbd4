#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"

# A short run of the reader's fuzz target (skipped without clang++).
tools/fuzz-smoke.sh 30

# Every test once more under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report, leaks included, fails the run.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVARNEL_SANITIZE=ON
cmake --build build-asan --parallel "$(nproc)"
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"
