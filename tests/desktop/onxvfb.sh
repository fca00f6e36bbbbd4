#!/bin/sh
# Runs a test program on a virtual X server with the xcb platform, whose key
# bindings are those of a plain X11 desktop (Ctrl+E is "end of line" there).
# The screen is 800 x 600 unless XVFB_SCREEN says otherwise (e.g. 1280x1024x24).
# Usage: onxvfb.sh PROGRAM [ARGUMENTS...]
set -u
for tool in Xvfb xvfb-run xauth; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing; tools/install-deps.sh installs xvfb and xauth"
        exit 77
    fi
done
QT_QPA_PLATFORM=xcb exec xvfb-run --auto-servernum --server-args="-screen 0 ${XVFB_SCREEN:-800x600x24}" "$@"
