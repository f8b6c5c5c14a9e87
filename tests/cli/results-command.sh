#!/bin/sh
# tallyhand-cli results from outside: a home with hand-written games and a
# tournament summary beside its hand-history folder, imported, then asked.
# Usage: results-command.sh TALLYHAND_CLI
set -eu
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Hands"
printf '[USER]\r\nusername=Hero\r\n' > "$work/Tallyhand.ini"

cat > "$work/Hands/games.txt" <<'GAMES'
PokerStars Hand #1001:  Hold'em No Limit ($0.05/$0.10 USD) - 2020/05/01 20:00:00 CET [2020/05/01 14:00:00 ET]
Table 'T' 6-max Seat #1 is the button
Seat 1: Hero ($10 in chips)
Seat 2: Sb ($10 in chips)
Seat 3: Bb ($10 in chips)
Sb: posts small blind $0.05
Bb: posts big blind $0.10
*** HOLE CARDS ***
Dealt to Hero [Ah Kd]
Hero: raises $0.20 to $0.30
Sb: folds
Bb: folds
Uncalled bet ($0.20) returned to Hero
Hero collected $0.25 from pot
*** SUMMARY ***
Total pot $0.25 | Rake $0
Seat 1: Hero (button) collected ($0.25)

PokerStars Hand #1002: Tournament #77, $1+$0.10 USD Hold'em No Limit - Level II (10/20) - 2020/05/01 14:10:00 ET
Table '77 1' 9-max Seat #3 is the button
Seat 1: Hero (500 in chips)
Seat 2: Bb (500 in chips)
Seat 3: Btn (500 in chips)
Hero: posts the ante 2
Bb: posts the ante 2
Btn: posts the ante 2
Hero: posts small blind 10
Bb: posts big blind 20
*** HOLE CARDS ***
Dealt to Hero [9h 6s]
Btn: calls 20
Hero: raises 80 to 100
Bb: folds
Btn: folds
Uncalled bet (80) returned to Hero
Hero collected 66 from pot
*** SUMMARY ***
Total pot 66 | Rake 0

PokerStars Hand #1003:  Hold'em No Limit ($0.05/$0.10 USD) - 2020/05/01 14:20:00 ET
Table 'T' 6-max Seat #1 is the button
Seat 1: Hero ($10 in chips)
Seat 2: Sb ($10 in chips)
Sb: posts small blind $1,000
Hero: posts big blind $0.10
*** HOLE CARDS ***
Dealt to Hero [Ah Kd]
Sb: folds
Hero collected $0.15 from pot
*** SUMMARY ***
Total pot $0.15 | Rake $0

GAMES
printf 'PokerStars Tournament #77, No Limit Hold'"'"'em\r\nBuy-In: $1.00/$0.10 USD\r\n3 players\r\n  1: Hero (Germany), $3.00 (100%%)\r\nYou finished in 1st place.\r\n' \
  > "$work/TS20200501 T77 No Limit Hold'em.txt"
fail() { echo "FAIL: $1"; echo "$out"; exit 1; }
expect() { printf '%s' "$out" | grep -qF -- "$1" || fail "missing $1"; }

# The import names the game whose amounts do not read, by file and line.
out=$("$cli" import --home "$work" 2>&1)
expect 'games.txt, Zeile 44: Betrag mit Tausendertrennzeichen'

out=$("$cli" results --home "$work" --json --games)
expect '"USD": {"games": 1, "net": 15, "net_showdown": 0, "net_non_showdown": 15, "net_bb": 1.50, "bb100": 150.00, "vpip": 100.00, "pfr": 100.00, "three_bet": null, "af": null, "wtsd": null, "wsd": null}'
expect '"chips": {"games": 1, "net": 44,'
expect '{"tournament": 77, "games": 1, "chips_won": 44, "chips_lost": 0, "currency": "USD", "buy_in": 110, "place": 1, "prize": 300, "roi": 172.73}'
expect '"itm": 100.00, "roi": 172.73'
expect '{"game": 1003, "line": 5, "reason": "Betrag mit Tausendertrennzeichen"}'
expect '{"game": 1001, "tournament": null, "time": "2020-05-01 14:00:00", "currency": "USD", "big_blind": 10, "players": 3, "position": "BTN", "invested": 10, "collected": 25, "net": 15, "rake": 0, "bounty": 0, "vpip": true, "pfr": true, "three_bet": false, "three_bet_chance": false, "saw_flop": false, "showdown": false, "won_showdown": false, "allin_street": null, "balanced": true}'
expect '"position": "SB", "invested": 22, "collected": 66, "net": 44,'
# Both games make one session per unit; the cash one alone in its unit.
expect '{"currency": "USD", "start": "2020-05-01 14:00:00", "end": "2020-05-01 14:00:00", "minutes": 0, "games": 1'

# Filters: only the tournament game is left; a position nobody played leaves nothing.
out=$("$cli" results --home "$work" --json --tournaments --games)
printf '%s' "$out" | grep -qF '"USD": {' && fail "cash game counted under --tournaments"
expect '"chips": {"games": 1'
out=$("$cli" results --home "$work" --json --position CO)
expect '"totals": {}'
out=$("$cli" results --home "$work" --json --from 2020-05-02)
expect '"totals": {}'
out=$("$cli" results --home "$work" --json --to 2020-05-01 --currency USD --bb 10 --players 3)
expect '"USD": {"games": 1,'

# The text form names what does not read.
out=$("$cli" results --home "$work")
expect 'Nicht lesbar: Spiel 1003, Zeile 5: Betrag mit Tausendertrennzeichen'
# Command lines that ask for nothing sensible end with exit 2 and say why.
for bad in "--position XY" "--currency DM" "--bb 0" "--players 11" "--from 2020-13-01" "--cash --tournaments"; do
  set +e
  out=$("$cli" results --home "$work" $bad 2>&1)
  status=$?
  set -e
  [ "$status" -eq 2 ] || fail "exit $status for $bad"
  expect "${bad%% *}"
done
expect "schließt --tournaments aus"
echo ok
