#!/bin/sh
# The Windows twin of realwindow.sh: unzips the portable zip, starts its
# varnel.exe under Wine on a virtual X server with the demo game folder, waits
# for its window "Varnel", saves a screenshot, closes the window as a window
# manager would and expects the program to end with exit code 0, having
# written nothing into its own folder.
# Before that it checks what the zip holds.
# Usage: winewindow.sh ZIP X11WINDOW ARTIFACT_FOLDER
# Run from the source folder, with WINEPREFIX set.
set -u
zip=$1
x11window=$2
artifacts=$3

if [ "${VARNEL_ON_XVFB:-}" != 1 ]; then
    VARNEL_ON_XVFB=1 exec xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" \
        sh "$0" "$@"
fi

. "$(dirname "$0")/closewindow.sh"

# The zip alone must do: no DLL folders, plugins or platform from outside.
unset WINEPATH WINEQT_PLUGIN_PATH WINEQT_QPA_PLATFORM WINEQT_QPA_FONTDIR
mkdir -p "$artifacts"
unpacked=$artifacts/portable
rm -rf "$unpacked"
unzip -q "$zip" -d "$unpacked" || { echo "FAIL: cannot unzip $zip"; exit 1; }
program=$(find "$unpacked" -name varnel.exe)
[ -n "$program" ] || { echo "FAIL: no varnel.exe in $zip"; exit 1; }
folder=$(dirname "$program")

# What the zip must hold beside the program, and the licences it ships.
for shipped in Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll \
        libwinpthread-1.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
        readme.txt backup.file LICENSE THIRD-PARTY-NOTICES.txt translations/qtbase_de.qm \
        translations/qtbase_fr.qm translations/qtbase_it.qm translations/qtbase_es.qm \
        translations/qtbase_ru.qm translations/qtbase_pl.qm translations/qtbase_pt_BR.qm; do
    [ -s "$folder/$shipped" ] || { echo "FAIL: the zip lacks $shipped"; exit 1; }
done
for licence in "GNU LESSER GENERAL PUBLIC LICENSE" "GCC RUNTIME LIBRARY EXCEPTION" \
        "mingw-w64 project" "Qt Company GPL Exception 1.0"; do
    grep -q "$licence" "$folder/THIRD-PARTY-NOTICES.txt" \
        || { echo "FAIL: the notices lack $licence"; exit 1; }
done
x86_64-w64-mingw32-objdump -p "$program" | grep -q 'Subsystem.*Windows GUI' \
    || { echo "FAIL: varnel.exe is not a GUI program"; exit 1; }
before=$(find "$unpacked" | sort)
screenshot="$artifacts/winewindow.png"

# Wine draws no text in Qt's line edits through its DirectWrite; FreeType does.
wine "$program" -platform windows:fontengine=freetype examples/gta3 >"$artifacts/winewindow.log" 2>&1 &
pid=$!

window=$("$x11window" wait Varnel 60) || fail "no window named Varnel appeared"
# Wine maps the window before its first paint.
sleep 3
"$x11window" screenshot "$screenshot" || fail "no screenshot"
close_and_expect_exit "$x11window" "$window" "$pid" 10
[ "$(find "$unpacked" | sort)" = "$before" ] || { echo "FAIL: it wrote into its own folder"; exit 1; }
echo "PASS: varnel.exe from the zip showed window $window (screenshot $screenshot), closed, exit code 0"
