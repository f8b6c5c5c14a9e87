#!/bin/sh
# table-bounds.sh CLI: the practice table from the command line takes blinds
# and an amount with the window's bounds; whatever it accepts, every hand ends
# with all chips on the seats and none below zero.
cli=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
printf '[USER]\r\nusername=Hero\r\n' > "$home/Tallyhand.ini"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# rejected ARGS...: exit 2 with the option named in the message.
rejected() {
  option=$1
  shift
  "$cli" table --home "$home" --seed 1 --hands 1 "$@" > "$home/out" 2>&1
  status=$?
  if [ "$status" -ne 2 ] || ! grep -qF -- "$option:" "$home/out"; then
    fail "table $* -> exit $status"
    sed 's/^/    /' "$home/out"
  fi
}

# played CHIPS ARGS...: exit 0, and after every hand the stacks add up to CHIPS.
played() {
  chips=$1
  shift
  if ! "$cli" table --home "$home" --json "$@" > "$home/out" 2> "$home/err"; then
    fail "table $* failed"
    sed 's/^/    /' "$home/err"
    return
  fi
  # One hand per line; its seats' stacks after the hand, summed.
  grep '"hand": ' "$home/out" | awk -v chips="$chips" '
    { sum = 0; n = split($0, parts, "\"stack_after\": ");
      for (i = 2; i <= n; i++) { v = parts[i] + 0; if (v < 0) bad = 1; sum += v }
      if (sum != chips) bad = 1; hands++ }
    END { exit (bad || hands == 0) }' || fail "table $*: chips not conserved"
  grep -q -- '"chips": -' "$home/out" && fail "table $*: a negative amount"
}

rejected --blinds --blinds 0/10
rejected --blinds --blinds 1000001/1000001
rejected --blinds --blinds 5/1000001
rejected --blinds --blinds 2147483647/2147483647
rejected --blinds --blinds -5/10
rejected --blinds --blinds 10/5
rejected --blinds --blinds 5
rejected --blinds --blinds fünf/zehn
rejected --amount --amount 0
rejected --amount --amount -1
rejected --amount --amount 99999999999999999999
rejected --amount --amount viel

played 15000 --seed 2 --hands 30 --blinds 1/1
played 15000 --seed 2 --hands 30 --blinds 1000000/1000000
played 15000 --seed 3 --hands 60 --player raise --amount 2147483647
played 15000 --seed 3 --hands 60 --player raise --amount 9223372036854775807 --blinds 1/1000000
played 3000 --seed 4 --hands 200 --heads-up --player raise --amount 1499 --blinds 1/2
played 3000 --seed 4 --hands 200 --heads-up --player raise --amount 1

# The big blind reaches the hand history the table writes.
"$cli" table --home "$home" --seed 5 --hands 1 --blinds 1000000/1000000 > "$home/out" 2>&1
grep -q "Level I (1000000/1000000)" "$home/out" || fail "blinds missing from the hand history"

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "table bounds held"
