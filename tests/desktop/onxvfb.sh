#!/bin/sh
# Runs a test program on a virtual X server with the xcb platform, whose key
# bindings are those of a plain X11 desktop (Ctrl+E is "end of line" there).
# Usage: onxvfb.sh PROGRAM [ARGUMENTS...]
set -u
for tool in Xvfb xvfb-run xauth; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing; tools/install-deps.sh installs xvfb and xauth"
        exit 77
    fi
done
QT_QPA_PLATFORM=xcb exec xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" "$@"
