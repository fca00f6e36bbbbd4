#!/usr/bin/env bash
# Makes docs/allareas.png: the main window beside All Areas over the demo game
# (examples/gta3), on a virtual X server, with a settings folder of its own.
# Builds what it needs first; installs xdotool with the packages the build needs.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${VARNEL_ON_XVFB:-}" != 1 ]; then
  tools/install-deps.sh
  if ! command -v xdotool >/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends xdotool
  fi
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build --target varnel x11window --parallel "$(nproc)"
  VARNEL_ON_XVFB=1 exec xvfb-run --auto-servernum --server-args="-screen 0 1250x620x24" "$0" "$@"
fi

x11window=build/tests/desktop/x11window
config=$(mktemp -d)
XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb build/varnel examples/gta3 &
pid=$!
trap 'kill "$pid" 2>/dev/null; rm -rf "$config"' EXIT

main=$("$x11window" wait Varnel 30)
xdotool windowmove "$main" 975 20
xdotool windowfocus --sync "$main"
xdotool key ctrl+t
all=$("$x11window" wait "All Areas - Varnel" 30)
xdotool windowmove "$all" 0 0
xdotool windowsize "$all" 960 600
sleep 1
mkdir -p docs
"$x11window" screenshot docs/allareas.png
echo "docs/allareas.png"
