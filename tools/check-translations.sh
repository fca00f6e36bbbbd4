#!/usr/bin/env bash
# Tells what is left to translate: runs lupdate over the sources on copies of
# translations/*.ts (the tracked files stay as they are) and fails when lupdate
# rejects a tr() call it cannot read, or when a copy holds a text that is
# unfinished (new or untranslated) or obsolete (gone from the sources).
# Usage: tools/check-translations.sh [--lupdate LUPDATE] [CODE...]
# With language codes (de, pt_BR, ...) only their files are looked at, and
# their unfinished texts are listed as "context: source".
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
codes=()
while [ $# -gt 0 ]; do
  case "$1" in
    --lupdate) lupdate=$2; shift 2 ;;
    *) codes+=("$1"); shift ;;
  esac
done

copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
if [ ${#codes[@]} -eq 0 ]; then
  cp translations/*.ts "$copies"/
else
  for code in "${codes[@]}"; do
    cp "translations/varnel_$code.ts" "$copies"/ || exit 2
  done
fi
translated=()
for ts in "$copies"/varnel_*.ts; do
  [ "$(basename "$ts")" = varnel_en.ts ] || translated+=("$ts")
done

status=0
rejected=$({ if [ ${#translated[@]} -gt 0 ]; then "$lupdate" src -ts "${translated[@]}"; fi &&
             if [ -f "$copies/varnel_en.ts" ]; then
               "$lupdate" -pluralonly src -ts "$copies/varnel_en.ts"
             fi; } 2>&1 >/dev/null |
           grep -E 'tr\(\)|Q_OBJECT' | sort -t: -k1,1 -k2,2n -u || true)
if [ -n "$rejected" ]; then
  echo "lupdate cannot read these tr() calls (texts it does not see):"
  echo "$rejected" | sed "s|^$PWD/|  |"
  status=1
fi

# The context and source of each unfinished message, a source over several
# lines joined by "\n".
list_unfinished() {
  awk '/<name>/ { sub(/.*<name>/, ""); sub(/<\/name>.*/, ""); context = $0 }
       /<source>/ { source = ""; open = 1 }
       open { line = $0; sub(/.*<source>/, "", line); source = source (source == "" ? "" : "\\n") line }
       /<\/source>/ { open = 0; sub(/<\/source>.*/, "", source) }
       /type="unfinished"/ { print "  " context ": " source }' "$1"
}

for ts in "$copies"/varnel_*.ts; do
  unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
  obsolete=$(grep -cE 'type="(obsolete|vanished)"' "$ts" || true)
  if [ "$unfinished" -gt 0 ] || [ "$obsolete" -gt 0 ]; then
    echo "$(basename "$ts"): $unfinished unfinished, $obsolete obsolete"
    [ ${#codes[@]} -eq 0 ] || list_unfinished "$ts"
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "Every text is translated in every language looked at."
exit "$status"
