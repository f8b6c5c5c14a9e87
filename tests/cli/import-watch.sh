#!/bin/sh
# import --watch takes what the card room writes until SIGINT ends it cleanly.
# Usage: import-watch.sh TALLYHAND_CLI
set -eu
cli=$1
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/home/Hands" && printf '[USER]\r\nusername=Hero\r\n' > "$work/home/Tallyhand.ini"
"$cli" gen-hands --games 100 --seed 3 --hero Hero --out "$work/home/Hands" > /dev/null
"$cli" gen-hands --games 50 --seed 9 --hero Hero --out "$work/more" > /dev/null
"$cli" import --home "$work/home" --watch > "$work/watch.out" 2>&1 & pid=$!
i=0; until grep -q "Live-Import läuft" "$work/watch.out"; do i=$((i + 1)); [ $i -lt 100 ] || { echo "watch did not start"; exit 1; }; sleep 0.1; done
for f in "$work/more"/*; do cp "$f" "$work/home/Hands/zz $(basename "$f")"; done
came() { awk '/neue Spiele? importiert/ { n += $1 } END { print n + 0 }' "$work/watch.out"; }
i=0; until [ "$(came)" -eq 50 ]; do i=$((i + 1)); [ $i -lt 100 ] || { echo "not imported"; cat "$work/watch.out"; exit 1; }; sleep 0.1; done
kill -INT "$pid"
wait "$pid" || { echo "SIGINT did not end the watch cleanly"; exit 1; }
grep -q "Live-Import beendet" "$work/watch.out" || { echo "no goodbye"; exit 1; }
# What came in is what one import of all files gives.
mkdir -p "$work/clean/Hands" && cp "$work/home/Hands"/* "$work/clean/Hands/" && cp "$work/home/Tallyhand.ini" "$work/clean/"
"$cli" import --home "$work/clean" > /dev/null
"$cli" export --home "$work/home" --out "$work/a" && "$cli" export --home "$work/clean" --out "$work/b"
diff -r "$work/a" "$work/b" > /dev/null || { echo "the watched database differs from a clean import"; exit 1; }
echo ok
