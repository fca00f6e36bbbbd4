#!/usr/bin/env bash
# Tells what is left to translate: runs lupdate over the sources on copies of
# translations/*.ts (the tracked files stay as they are) and fails when lupdate
# rejects a tr() call it cannot read, or when a copy holds a text that is
# unfinished (new or untranslated) or obsolete (gone from the sources).
# Usage: tools/check-translations.sh [LUPDATE]
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${1:-/usr/lib/qt6/bin/lupdate}

copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
cp translations/*.ts "$copies"/
translated=()
for ts in "$copies"/varnel_*.ts; do
  [ "$(basename "$ts")" = varnel_en.ts ] || translated+=("$ts")
done

status=0
rejected=$({ "$lupdate" src -ts "${translated[@]}" &&
             "$lupdate" -pluralonly src -ts "$copies/varnel_en.ts"; } 2>&1 >/dev/null |
           grep -E 'tr\(\)|Q_OBJECT' | sort -t: -k1,1 -k2,2n -u || true)
if [ -n "$rejected" ]; then
  echo "lupdate cannot read these tr() calls (texts it does not see):"
  echo "$rejected" | sed "s|^$PWD/|  |"
  status=1
fi

for ts in "$copies"/varnel_*.ts; do
  unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
  obsolete=$(grep -cE 'type="(obsolete|vanished)"' "$ts" || true)
  if [ "$unfinished" -gt 0 ] || [ "$obsolete" -gt 0 ]; then
    echo "$(basename "$ts"): $unfinished unfinished, $obsolete obsolete"
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "Every text is translated in every language."
exit "$status"
