#!/bin/sh
# Installs the build into a temporary prefix and checks that the desktop finds
# everything: the program the desktop entry starts, its icon, the metainfo that
# points to the entry, the files the program reads, and the licence where
# Debian looks for it.
# Usage: installlayout.sh CMAKE BUILD_FOLDER
set -u
cmake=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: install"; exit 1; }

missing=0
expect() {
    if [ ! -f "$prefix/$1" ]; then
        echo "missing: $1"
        missing=1
    fi
}

desktop=share/applications/example.varnel.Varnel.desktop
metainfo=share/metainfo/example.varnel.Varnel.metainfo.xml
expect "$desktop"
expect "$metainfo"
expect share/varnel/readme.txt
expect share/varnel/backup.file
expect share/doc/varnel/copyright
expect share/icons/hicolor/scalable/apps/varnel.svg
for size in 16 32 48 64 128 256; do
    expect "share/icons/hicolor/${size}x${size}/apps/varnel.png"
done
[ "$missing" -eq 0 ] || exit 1

program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/$desktop")
[ -x "$prefix/bin/$program" ] || { echo "FAIL: Exec=$program is not in bin"; exit 1; }
icon=$(sed -n 's/^Icon=//p' "$prefix/$desktop")
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] \
    || { echo "FAIL: Icon=$icon is not in the hicolor theme"; exit 1; }
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$prefix/$metainfo" \
    || { echo "FAIL: the metainfo does not launch $(basename "$desktop")"; exit 1; }
copyright=$prefix/share/doc/varnel/copyright
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || { echo "FAIL: the copyright file is not in Debian's machine-readable format"; exit 1; }
grep -q '<project_license>MIT</project_license>' "$prefix/$metainfo" \
    || { echo "FAIL: the metainfo does not name the MIT licence"; exit 1; }
grep -qx 'License: Expat' "$copyright" \
    || { echo "FAIL: the copyright file does not name the MIT (Expat) licence"; exit 1; }
echo "PASS: installed layout in $prefix"
