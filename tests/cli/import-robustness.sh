#!/bin/sh
# The import under kill -9, on a full file system, beside readers and beside a
# second import: every run ends with the database one clean import gives.
# Usage: import-robustness.sh TALLYHAND_CLI
set -eu
cli=$1
work=$(mktemp -d)
trap 'umount "$work/small" 2>/dev/null || true; rm -rf "$work"' EXIT

# The database as the five exchange files, hashed.
fingerprint() {
  rm -rf "$work/fp"
  "$cli" export --home "$1" --out "$work/fp" > /dev/null
  (cd "$work/fp" && cat Hole_Cards.kar Board_Cards.kar Summeries.kar games.kar loaded.kar | md5sum | cut -d' ' -f1)
}
home() { mkdir -p "$1/Hands" && printf '[USER]\r\nusername=Hero\r\n' > "$1/Tallyhand.ini"; }
fresh() { rm -rf "$work/run" && mkdir -p "$work/run" && cp -a "$1/Hands" "$1/Tallyhand.ini" "$work/run/"; [ ! -d "$1/data" ] || cp -a "$1/data" "$work/run/"; }

# The old set: 1000 games; the new set: 2000 more in a second file group;
# the big set: the old one and 20,000 more, imported at once.
home "$work/old"
"$cli" gen-hands --games 1000 --seed 1 --hero Hero --out "$work/old/Hands" > /dev/null
"$cli" import --home "$work/old" > /dev/null
mkdir -p "$work/more" "$work/many"
"$cli" gen-hands --games 2000 --seed 2 --hero Hero --out "$work/more" > /dev/null
"$cli" gen-hands --games 20000 --seed 3 --hero Hero --out "$work/many" > /dev/null
cp -a "$work/old" "$work/new"
for f in "$work/more"/*; do cp "$f" "$work/new/Hands/zz $(basename "$f")"; done
"$cli" import --home "$work/new" > /dev/null
home "$work/big"
cp "$work/old/Hands"/* "$work/big/Hands/"
for f in "$work/many"/*; do cp "$f" "$work/big/Hands/zz $(basename "$f")"; done
cp -a "$work/big" "$work/bigref" && "$cli" import --home "$work/bigref" > /dev/null
old=$(fingerprint "$work/old"); new=$(fingerprint "$work/new"); big=$(fingerprint "$work/bigref")
[ "$old" != "$new" ] || { echo "old and new sets do not differ"; exit 1; }

# kill -9 at spread-out moments of the import: whole files are kept, and the
# next import reads the rest.
for delay in 0.02 0.1 0.2 0.35; do
  fresh "$work/new" && rm -rf "$work/run/data" && cp -a "$work/old/data" "$work/run/"
  "$cli" import --home "$work/run" > /dev/null 2>&1 & pid=$!
  sleep "$delay"; kill -9 "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
  "$cli" browse --home "$work/run" > /dev/null
  "$cli" import --home "$work/run" > /dev/null
  [ "$(fingerprint "$work/run")" = "$new" ] || { echo "kill at $delay s: the next import did not finish the job"; exit 1; }
done

# Readers during a first import of 20,000 games change nothing of it.
fresh "$work/big"
"$cli" import --home "$work/run" > "$work/import.out" 2>&1 & pid=$!
reads=0
while kill -0 "$pid" 2>/dev/null; do "$cli" browse --home "$work/run" > /dev/null 2>&1 || true; reads=$((reads + 1)); done
wait "$pid" || { echo "import beside browse failed"; cat "$work/import.out"; exit 1; }
[ "$(fingerprint "$work/run")" = "$big" ] || { echo "import beside browse gave another database"; exit 1; }
[ "$reads" -gt 3 ] || { echo "too few reads beside the import: $reads"; exit 1; }

# Two imports started together, one with --no-wait, ten times: it either
# gives up with "Import läuft bereits" or finds the work done.
for round in 1 2 3 4 5 6 7 8 9 10; do
  fresh "$work/new" && rm -rf "$work/run/data"
  "$cli" import --home "$work/run" > /dev/null 2>&1 & first=$!
  if ! "$cli" import --home "$work/run" --no-wait > /dev/null 2> "$work/busy.txt"; then
    grep -q "Import läuft bereits" "$work/busy.txt" || { echo "round $round: no busy message"; cat "$work/busy.txt"; exit 1; }
  fi
  wait "$first" || { echo "round $round: the waiting import failed"; exit 1; }
  [ "$(fingerprint "$work/run")" = "$new" ] || { echo "round $round: two imports gave another database"; exit 1; }
done

# A file system too small for 20,000 more games (the hand histories stay
# outside, in a configured folder): the import fails, the database keeps whole
# files, and with room again the next import finishes the job.
mkdir -p "$work/small"
if mount -t tmpfs -o size=4m tmpfs "$work/small" 2>/dev/null; then
  mkdir -p "$work/small/h" "$work/hands2"
  printf '[HANDHISTORY]\r\nfolder=%s\r\n[USER]\r\nusername=Hero\r\n' "$work/hands2" > "$work/small/h/Tallyhand.ini"
  cp "$work/old/Hands"/* "$work/hands2/"
  "$cli" import --home "$work/small/h" > /dev/null
  before=$(fingerprint "$work/small/h")
  for f in "$work/many"/*; do cp "$f" "$work/hands2/zz $(basename "$f")"; done
  if "$cli" import --home "$work/small/h" > /dev/null 2>&1; then echo "import on a full disk reported success"; exit 1; fi
  "$cli" browse --home "$work/small/h" > /dev/null
  mount -o remount,size=100m "$work/small"
  "$cli" import --home "$work/small/h" > /dev/null
  home "$work/clean" && cp "$work/hands2"/* "$work/clean/Hands/" && "$cli" import --home "$work/clean" > /dev/null
  [ "$(fingerprint "$work/small/h")" = "$(fingerprint "$work/clean")" ] || { echo "full disk: the next import did not finish the job"; exit 1; }
  [ "$before" != "$(fingerprint "$work/small/h")" ] || { echo "full disk: nothing was added"; exit 1; }
else
  echo "full disk part skipped: no tmpfs mount allowed here"
fi
echo ok
