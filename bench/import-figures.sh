#!/bin/sh
# Import figures per process (wall and CPU time, peak memory) with the command-line
# tool: 100,000 generated games, a full import into an empty data folder, then
# a start-up with nothing new, one new file of 100 games, browse and export.
# Usage: bench/import-figures.sh BUILD_DIR
set -eu
cli="${1:-build}/src/cli/tallyhand-cli"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
"$cli" gen-hands --games "${GAMES:-100000}" --seed 1 --hero Hero --out "$home/Hands"
printf '[USER]\r\nusername=Hero\r\n' > "$home/Tallyhand.ini"
echo "full import:";  /usr/bin/time -f "  %e s wall, %U s user, %S s sys, %M KB peak" "$cli" import --home "$home" > /dev/null
echo "load, nothing new:"; /usr/bin/time -f "  %e s wall, %U s user, %S s sys, %M KB peak" "$cli" import --home "$home" > /dev/null
"$cli" gen-hands --games 100 --seed 99 --hero Hero --out "$home/new" > /dev/null
for f in "$home/new"/*; do mv "$f" "$home/Hands/zz $(basename "$f")"; done
echo "one new file:"; /usr/bin/time -f "  %e s wall, %U s user, %S s sys, %M KB peak" "$cli" import --home "$home" > /dev/null
echo "browse:"; /usr/bin/time -f "  %e s wall, %U s user, %S s sys, %M KB peak" "$cli" browse --home "$home" > /dev/null
echo "hand histories: $(du -sb "$home/Hands" | cut -f1) bytes"
echo "database: $(du -cb "$home"/data/tallyhand.db* | tail -1 | cut -f1) bytes"
