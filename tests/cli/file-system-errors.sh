#!/bin/sh
# file-system-errors.sh CLI: a folder that is a file, cannot be created or
# cannot be read ends every command with exit 1 and a message naming it,
# never with an abort.
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# home NAME: a home folder with a configuration naming the user.
home() {
  mkdir -p "$work/$1"
  printf '[USER]\r\nusername=Hero\r\n' > "$work/$1/Tallyhand.ini"
  echo "$work/$1"
}

# fails TEXT ARGS...: exit 1 and TEXT (a path) in what the command says.
fails() {
  text=$1
  shift
  "$cli" "$@" > "$work/out" 2>&1
  status=$?
  if [ "$status" -ne 1 ] || ! grep -qF -- "$text" "$work/out"; then
    echo "FAIL: tallyhand-cli $* -> exit $status, expected 1 naming $text:"
    sed 's/^/    /' "$work/out"
    failures=$((failures + 1))
  fi
}

# Hands is a file.
h=$(home hands-file)
echo "no folder" > "$h/Hands"
# Readers never create a database: without one they name the data folder.
fails "$h/data" browse --home "$h"
fails "$h/data" stats --home "$h" --tournament 0
fails "$h/data" replay --home "$h" --game 1
fails "$h/Hands" table --home "$h" --seed 1 --hands 2
fails "$h/Hands" import --home "$h"
fails "$h/Hands" gen-hands --games 3 --out "$h/Hands"

# Hands cannot be read: a link to itself.
h=$(home hands-loop)
ln -s Hands "$h/Hands"
fails "$h/Hands" table --home "$h" --seed 1 --hands 2
fails "$h/Hands" import --home "$h"
fails "$h/Hands" gen-hands --games 3 --out "$h/Hands/more"

# data is a file.
h=$(home data-file)
echo "no folder" > "$h/data"
fails "$h/data" tables --home "$h"
fails "$h/data" import --home "$h"
fails "$h/data" browse --home "$h"
fails "$h/data" stats --home "$h" --tournament 0

# The home cannot be created: its parent is a file.
echo "no folder" > "$work/plain"
fails "$work/plain/home" import --home "$work/plain/home"
fails "$work/plain/home" table --home "$work/plain/home" --seed 1 --hands 1
fails "$work/plain/home/data" tables --home "$work/plain/home"
fails "$work/plain/home" browse --home "$work/plain/home"

# The configuration is a folder.
h="$work/ini-folder"
mkdir -p "$h/Tallyhand.ini"
fails "$h/Tallyhand.ini" table --home "$h" --seed 1 --hands 1
fails "$h/Tallyhand.ini" import --home "$h"

# The calculation needs no folder: it keeps its tables in memory and says so.
"$cli" calc --home "$work/plain/home" ah kd > "$work/out" 2>&1 || { echo "FAIL: calc without a data folder"; failures=$((failures + 1)); }
grep -q "nur im Speicher" "$work/out" || { echo "FAIL: calc does not say its tables stay in memory"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "every file-system error was reported"
