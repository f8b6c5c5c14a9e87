#!/bin/sh
# command-line.sh CLI VERSION: every malformed command line ends with exit 2 and
# a message naming what is wrong; --help and --version end with exit 0.
cli=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS TEXT ARGS...: the exit status and a text the output must hold.
expect() {
  status=$1 text=$2
  shift 2
  "$cli" "$@" > "$work/out" 2>&1
  got=$?
  if [ "$got" -ne "$status" ] || ! grep -qF -- "$text" "$work/out"; then
    echo "FAIL: tallyhand-cli $* -> exit $got, expected $status with \"$text\":"
    sed 's/^/    /' "$work/out"
    failures=$((failures + 1))
  fi
}

# Unknown options and commands.
expect 2 "--bogus" calc --bogus ah kd
expect 2 "--bogus" --bogus
expect 2 "frobnicate" frobnicate
expect 2 "--player" table --home "$work" --seed 1 --hands 1 --player
expect 2 "extra" browse --home "$work" extra
# Missing values and options.
expect 2 "--home" calc ah kd --home
expect 2 "--deals" equity AhKh 2d2s --deals
expect 2 "--home" import
expect 2 "--out" gen-hands --games 3
expect 2 "--hands" table --home "$work" --seed 1
expect 2 "KARTEN" calc
# Not a number.
expect 2 "--deals" equity --deals zehn AhKh 2d2s
expect 2 "--seed" equity --seed 1x AhKh 2d2s
expect 2 "--games" gen-hands --games 1.5 --out "$work/g"
expect 2 "--game" replay --home "$work" --game abc
expect 2 "--tournament" stats --home "$work" --tournament x
expect 2 "--hands" table --home "$work" --seed 1 --hands ""
# Out of range, on both sides of each bound.
expect 2 "--deals" equity --deals 0 AhKh 2d2s
expect 2 "--deals" equity --deals 2147483648 AhKh 2d2s
expect 2 "--seed" equity --seed -1 AhKh 2d2s
expect 2 "--seed" equity --seed 18446744073709551616 AhKh 2d2s
expect 2 "--games" gen-hands --games -1 --out "$work/g"
expect 2 "--hands" table --home "$work" --seed 1 --hands 0
expect 2 "--hands" table --home "$work" --seed 1 --hands 2147483648
expect 2 "--player" table --home "$work" --seed 1 --hands 1 --player bluff
expect 2 "KARTEN" calc 1 2 3 4 5 6 7 8
# The bounds themselves are accepted.
expect 0 "Deals: 1" equity --deals 1 --seed 18446744073709551615 AhKh 2d2s
expect 0 "0 Spiele" gen-hands --games 0 --out "$work/g"

# Help for the program and every command, and the version.
expect 0 "Aufruf: tallyhand-cli" --help
for command in browse calc equity gen-hands import replay stats table tables; do
  expect 0 "Aufruf: tallyhand-cli $command" "$command" --help
  grep -qF -- "--" "$work/out" || { echo "FAIL: $command --help lists no options"; failures=$((failures + 1)); }
done
expect 0 "tallyhand-cli $version" --version
# Without any argument the help goes to standard error with exit 2.
expect 2 "Befehle:"

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "all command lines behaved"
