#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"

# A short run of each fuzz target (skipped without clang++).
tools/fuzz-smoke.sh 30

# Every test once more under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report, leaks included, fails the run.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVARNEL_SANITIZE=ON
cmake --build build-asan --parallel "$(nproc)"
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"

# The Windows leg: a cross build whose tests run under Wine, and the portable
# zip; only when the Qt archive for Windows is there.
qt_archive=${QT_MINGW_ARCHIVE:-../shared/qt6-mingw/qt6-mingw-6.4.2-x86_64.tar.xz}
if [ -f "$qt_archive" ]; then
  tools/build-windows.sh
else
  echo "Windows leg skipped: no Qt for Windows at $qt_archive (tools/build-windows.sh)"
fi
