#!/usr/bin/env bash
# Builds the program and starts it on a demo home folder (demo-home/) with a
# Tallyhand.ini for the screen name "Hero" and generated hand histories.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh --gui-run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target tallyhand tallyhand-cli
home=demo-home
mkdir -p "$home/data" "$home/Hands"
[ -f "$home/Tallyhand.ini" ] || printf '[USER]\r\nusername=Hero\r\n' > "$home/Tallyhand.ini"
if [ -z "$(ls -A "$home/Hands")" ]; then
  build/src/cli/tallyhand-cli gen-hands --games 3000 --seed 1 --hero Hero --out "$home/Hands"
fi
# Without a display (a server, a container) the window runs on a virtual one.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x900x24" build/src/app/tallyhand --home "$home"
fi
exec build/src/app/tallyhand --home "$home"
