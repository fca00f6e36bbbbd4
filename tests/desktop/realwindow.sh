#!/bin/sh
# Starts the built program on a virtual X server, waits for its window "Varnel",
# saves a screenshot, closes the window as a window manager would and expects
# the program to end at once with exit code 0 (nothing was loaded, so it asks
# nothing).
# Usage: realwindow.sh VARNEL X11WINDOW ARTIFACT_FOLDER
set -u
varnel=$1
x11window=$2
artifacts=$3

if [ "${VARNEL_ON_XVFB:-}" != 1 ]; then
    for tool in Xvfb xvfb-run xauth; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is missing; tools/install-deps.sh installs xvfb and xauth"
            exit 77
        fi
    done
    VARNEL_ON_XVFB=1 exec xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" \
        sh "$0" "$@"
fi

. "$(dirname "$0")/closewindow.sh"

mkdir -p "$artifacts"
screenshot="$artifacts/realwindow.png"
QT_QPA_PLATFORM=xcb "$varnel" &
pid=$!

window=$("$x11window" wait Varnel 30) || fail "no window named Varnel appeared"
"$x11window" screenshot "$screenshot" || fail "no screenshot"
close_and_expect_exit "$x11window" "$window" "$pid" 5
echo "PASS: window $window shown (screenshot $screenshot), closed, exit code 0"
