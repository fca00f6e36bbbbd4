# Sourced by the real-window tests.

# Reports the failure, ends the program started as $pid, if any, and the test.
fail() {
    echo "FAIL: $*"
    kill "${pid:-}" 2>/dev/null
    exit 1
}

# Closes window as a window manager would and expects the program pid to end
# within the given seconds with exit code 0.
# Usage: close_and_expect_exit X11WINDOW WINDOW PID SECONDS
close_and_expect_exit() {
    "$1" close "$2" || fail "could not send the close request"
    tenths=0
    while kill -0 "$3" 2>/dev/null; do
        tenths=$((tenths + 1))
        [ "$tenths" -le "$(($4 * 10))" ] || fail "still running $4 s after the close request"
        sleep 0.1
    done
    wait "$3"
    status=$?
    [ "$status" -eq 0 ] || { echo "FAIL: exit code $status"; exit 1; }
}
