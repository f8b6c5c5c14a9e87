#!/bin/sh
# The import under kill -9, on a full file system and run twice at once: the
# database is always the old set or the new set, never a mix.
# Usage: import-robustness.sh TALLYHAND_CLI
set -eu
cli=$1
work=$(mktemp -d)
trap 'umount "$work/small" 2>/dev/null || true; rm -rf "$work"' EXIT

fingerprint() { (cd "$1/data" && cat Hole_Cards.kar Board_Cards.kar Summeries.kar games.kar loaded.kar | md5sum | cut -d' ' -f1); }
home() { mkdir -p "$1/Hands" && printf '[USER]\r\nusername=Hero\r\n' > "$1/Tallyhand.ini"; }

# The old set: 3000 games; the new set: 40,000 more in a second file group.
home "$work/old"
"$cli" gen-hands --games 3000 --seed 1 --hero Hero --out "$work/old/Hands" > /dev/null
"$cli" import --home "$work/old" > /dev/null
mkdir -p "$work/more"
"$cli" gen-hands --games 40000 --seed 2 --hero Hero --out "$work/more" > /dev/null
for f in "$work/more"/*; do mv "$f" "$work/old/Hands/zz $(basename "$f")"; done
cp -a "$work/old" "$work/new"
"$cli" import --home "$work/new" > /dev/null
old=$(fingerprint "$work/old"); new=$(fingerprint "$work/new")
[ "$old" != "$new" ] || { echo "old and new sets do not differ"; exit 1; }

# kill -9 at spread-out moments of the import; the next start repairs.
for delay in 0.02 0.1 0.25 0.4 0.6 0.8 1.0 1.2; do
  rm -rf "$work/run" && cp -a "$work/old" "$work/run"
  "$cli" import --home "$work/run" > /dev/null 2>&1 & pid=$!
  sleep "$delay"; kill -9 "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
  "$cli" browse --home "$work/run" > /dev/null
  got=$(fingerprint "$work/run")
  if [ "$got" != "$old" ] && [ "$got" != "$new" ]; then echo "mixed database after kill at $delay s"; exit 1; fi
  ls "$work/run/data" | grep -q '\.new' && { echo "staged files left after kill at $delay s"; exit 1; }
done

# Two imports at once: one with --no-wait gives up, one without waits; the
# result is what one clean import gives.
rm -rf "$work/run" && cp -a "$work/old" "$work/run"
"$cli" import --home "$work/run" > /dev/null 2>&1 & first=$!
sleep 0.3
if "$cli" import --home "$work/run" --no-wait > /dev/null 2> "$work/busy.txt"; then
  echo "--no-wait import ran beside another"; exit 1
fi
grep -q "Import läuft bereits" "$work/busy.txt" || { echo "no busy message"; cat "$work/busy.txt"; exit 1; }
"$cli" import --home "$work/run" > /dev/null
wait "$first"
[ "$(fingerprint "$work/run")" = "$new" ] || { echo "concurrent imports gave another database"; exit 1; }

# A file system too small for the new set: the old one stays whole.
mkdir -p "$work/small"
if mount -t tmpfs -o size=9m tmpfs "$work/small" 2>/dev/null; then
  home "$work/small/h"
  "$cli" gen-hands --games 1500 --seed 1 --hero Hero --out "$work/small/h/Hands" > /dev/null
  "$cli" import --home "$work/small/h" > /dev/null
  before=$(fingerprint "$work/small/h")
  "$cli" gen-hands --games 2500 --seed 5 --hero Hero --out "$work/more2" > /dev/null
  cp "$work/more2"/* "$work/small/h/Hands/" 2>/dev/null || true
  if "$cli" import --home "$work/small/h" > /dev/null 2>&1; then echo "import on a full disk reported success"; exit 1; fi
  [ "$(fingerprint "$work/small/h")" = "$before" ] || { echo "full disk left a changed database"; exit 1; }
  ls "$work/small/h/data" | grep -q '\.new' && { echo "staged files left on the full disk"; exit 1; }
else
  echo "full disk part skipped: no tmpfs mount allowed here"
fi
echo ok
