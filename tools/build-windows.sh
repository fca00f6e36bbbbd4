#!/usr/bin/env bash
# Cross-builds Varnel and its tests for Windows x86-64 with mingw-w64 and the
# prebuilt Qt archive, runs every test program under Wine, starts the zipped
# program on a virtual display and makes the portable zip.
#   QT_MINGW_ARCHIVE  the Qt archive (default ../shared/qt6-mingw/qt6-mingw-6.4.2-x86_64.tar.xz)
# Exit status 0 only when the build and every test pass. Stops itself after 20 minutes.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${VARNEL_WINDOWS_LEG:-}" ]; then
  VARNEL_WINDOWS_LEG=1 exec timeout --kill-after=20 1200 "$0" "$@"
fi

archive=${QT_MINGW_ARCHIVE:-../shared/qt6-mingw/qt6-mingw-6.4.2-x86_64.tar.xz}
build=$PWD/build-windows
per_test_seconds=120

install_missing() {
  local packages=(cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                  wine wine64 qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
                  qt6-translations-l10n fonts-dejavu-core zip unzip xz-utils
                  xvfb xauth libx11-dev g++ pkg-config)
  local missing=() package
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

unpack_qt() {
  [ -f "$archive" ] || { echo "No Qt archive at $archive (set QT_MINGW_ARCHIVE)"; exit 1; }
  local stamp=$build/qt6-mingw/.unpacked-from
  if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$(stat -c '%n %s %Y' "$archive")" ]; then
    rm -rf "$build/qt6-mingw"
    mkdir -p "$build"
    tar -xJf "$archive" -C "$build"
    stat -c '%n %s %Y' "$archive" >"$stamp"
  fi
}

cross_build() {
  cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$build/qt6-mingw/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --parallel "$(nproc)"
}

# A Windows path for a Linux folder, through Wine's z: drive.
windows_path() {
  printf 'Z:%s' "${1//\//\\}"
}

setup_wine() {
  export WINEPREFIX=$build/wineprefix
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEDEBUG=-all
  # Wine hands Linux's QT_* variables to no Windows program; a WINE in front
  # of the name makes it reach them as QT_*.
  export WINEQT_QPA_PLATFORM=offscreen
  WINEQT_QPA_FONTDIR=$(windows_path /usr/share/fonts/truetype/dejavu)
  export WINEQT_QPA_FONTDIR
  local folders=("$build/qt6-mingw/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix
                 /usr/x86_64-w64-mingw32/lib)
  local folder
  WINEPATH=
  for folder in "${folders[@]}"; do
    WINEPATH+="$(windows_path "$folder");"
  done
  export WINEPATH
  WINEQT_PLUGIN_PATH=$(windows_path "$build/qt6-mingw/plugins")
  export WINEQT_PLUGIN_PATH
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    rm -rf "$WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1
    wineserver --wait
  fi
  # One server for all the runs, left from no earlier run.
  wineserver --kill 2>/dev/null || true
  wineserver --persistent=600
  trap 'wineserver --kill 2>/dev/null || true' EXIT
}

# Runs one test program; its QtTest report lands beside it as <name>.txt.
run_test() {
  local program=$1 report=${1%.exe}.txt
  rm -f "$report"
  (cd "$(dirname "$program")" &&
    timeout --kill-after=5 "$per_test_seconds" wine "$(basename "$program")" \
      -o "$(basename "$report")",txt >/dev/null 2>&1)
}

run_tests() {
  local programs=() program passed=0 failed=0 report
  mapfile -t programs < <(find "$build" -path "$build/wineprefix" -prune \
                             -o -path "$build/qt6-mingw" -prune -o -name 'tst_*.exe' -print | sort)
  for program in "${programs[@]}"; do
    report=${program%.exe}.txt
    if run_test "$program" && grep -q '^Totals: .* 0 failed' "$report"; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
      echo "FAIL: $(basename "$program" .exe)"
      [ -f "$report" ] && grep -E '^(FAIL!|   Loc|SKIP|Totals)' "$report" | head -20 || true
    fi
  done
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

# The X11 helper of the real-window test, built for this machine.
build_x11window() {
  mkdir -p "$build/host"
  g++ -std=c++17 -O1 -fPIC tests/desktop/x11window.cpp -o "$build/host/x11window" \
    $(pkg-config --cflags --libs Qt6Gui x11)
}

# The zipped program on a virtual display, with a server of its own that knows that display.
show_window() {
  wineserver --kill 2>/dev/null || true
  wineserver --wait 2>/dev/null || true
  tests/desktop/winewindow.sh "$build"/varnel-*-win64.zip "$build/host/x11window" \
    "$build/test-artifacts"
}

# All Areas opened beside the main window as Windows places them: the test's
# real-window case with Qt's Windows platform on a virtual screen of 1280
# pixels, with a server of its own that knows that display.
place_windows() {
  local program report
  program=$(find "$build" -path "$build/wineprefix" -prune -o -name tst_allareas.exe -print)
  report=$(dirname "$program")/tst_allareas_placement.txt
  wineserver --kill 2>/dev/null || true
  wineserver --wait 2>/dev/null || true
  rm -f "$report"
  (cd "$(dirname "$program")" &&
    WINEQT_QPA_PLATFORM=windows:fontengine=freetype \
      xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
      timeout --kill-after=5 "$per_test_seconds" wine tst_allareas.exe \
        opensBesideTheMainWindowWithinTheScreen -o "$(basename "$report")",txt >/dev/null 2>&1)
  if grep -q '^Totals: .* 0 failed' "$report" 2>/dev/null; then
    echo "PASS: All Areas opened beside the main window under Wine"
  else
    echo "FAIL: All Areas placement under Wine"
    [ -f "$report" ] && grep -E '^(FAIL!|   Loc|   Actual|   Expected|Totals)' "$report" || true
    return 1
  fi
}

make_zip() {
  rm -f "$build"/varnel-*-win64.zip
  (cd "$build" && cpack -G ZIP >/dev/null)
  ls "$build"/varnel-*-win64.zip
}

install_missing
unpack_qt
cross_build
setup_wine
status=0
run_tests || status=1
make_zip
build_x11window
show_window || status=1
place_windows || status=1
exit $status
