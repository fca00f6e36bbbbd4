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

fail() {
    echo "FAIL: $*"
    kill "$pid" 2>/dev/null
    exit 1
}

mkdir -p "$artifacts"
screenshot="$artifacts/realwindow.png"
QT_QPA_PLATFORM=xcb "$varnel" &
pid=$!

window=$("$x11window" wait Varnel 30) || fail "no window named Varnel appeared"
"$x11window" screenshot "$screenshot" || fail "no screenshot"
"$x11window" close "$window" || fail "could not send the close request"

# "At once": a few seconds' grace for a busy machine.
tenths=0
while kill -0 "$pid" 2>/dev/null; do
    tenths=$((tenths + 1))
    [ "$tenths" -le 50 ] || fail "still running 5 s after the close request"
    sleep 0.1
done
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit code $status"; exit 1; }
echo "PASS: window $window shown (screenshot $screenshot), closed, exit code 0"
