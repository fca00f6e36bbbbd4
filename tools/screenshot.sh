#!/usr/bin/env bash
# Makes the pictures of the README from the demo game (examples/gta3) on a
# virtual X server, each with a settings folder of its own:
#   docs/allareas.png  the main window beside All Areas
#   docs/zonemap.png   the main window beside the Zone Map
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
  VARNEL_ON_XVFB=1 exec xvfb-run --auto-servernum --server-args="-screen 0 1250x660x24" "$0" "$@"
fi

x11window=build/tests/desktop/x11window
pid=
config=
stop() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  if [ -n "$config" ]; then rm -rf "$config"; fi
  pid=
  config=
}
trap stop EXIT

# Starts Varnel on the demo game; main is its main window's id.
start() {
  config=$(mktemp -d)
  XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb build/varnel examples/gta3 >/dev/null 2>&1 &
  pid=$!
  main=$("$x11window" wait Varnel 30)
}

mkdir -p docs

start
xdotool windowmove "$main" 975 20
xdotool windowfocus --sync "$main"
xdotool key ctrl+t
all=$("$x11window" wait "All Areas - Varnel" 30)
xdotool windowmove "$all" 0 0
xdotool windowsize "$all" 960 640
sleep 1
"$x11window" screenshot docs/allareas.png
echo "docs/allareas.png"
stop

# The map of the area "Harbor and Pike Creek by Day", the eighth in the list.
start
xdotool windowmove "$main" 0 20
xdotool windowfocus --sync "$main"
for _ in 1 2 3 4 5 6 7; do xdotool key Down; done
xdotool key ctrl+m
map=$("$x11window" wait "Zone Map - Varnel" 30)
xdotool windowmove "$map" 255 0
xdotool windowsize "$map" 990 640
sleep 1
"$x11window" screenshot docs/zonemap.png
echo "docs/zonemap.png"
