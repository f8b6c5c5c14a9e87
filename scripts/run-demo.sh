#!/usr/bin/env bash
# Builds the program and starts it on a demo home folder (demo-home/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target tallyhand tallyhand-cli
home=demo-home
mkdir -p "$home/data" "$home/Hands"
[ -f "$home/Tallyhand.ini" ] || printf '[USER]\r\nusername=Hero\r\n' > "$home/Tallyhand.ini"
exec build/src/app/tallyhand --home "$home"
