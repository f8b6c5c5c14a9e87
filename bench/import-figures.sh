#!/bin/sh
# Import figures per process (wall time and peak memory) with the command-line
# tool: 100,000 generated games, a full import into an empty data folder, then
# a start-up load with nothing new. Usage: bench/import-figures.sh BUILD_DIR
set -eu
cli="${1:-build}/src/cli/tallyhand-cli"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
"$cli" gen-hands --games "${GAMES:-100000}" --seed 1 --hero Hero --out "$home/Hands"
printf '[USER]\r\nusername=Hero\r\n' > "$home/Tallyhand.ini"
echo "full import:";  /usr/bin/time -f "  %e s wall, %M KB peak" "$cli" import --home "$home" > /dev/null
echo "load, nothing new:"; /usr/bin/time -f "  %e s wall, %M KB peak" "$cli" import --home "$home" > /dev/null
echo "database files: $(du -cb "$home"/data/*.kar | tail -1 | cut -f1) bytes"
