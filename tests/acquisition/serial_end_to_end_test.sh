#!/usr/bin/env bash
# The real executable reading a board on a pseudo-terminal: for a few counts
# its displays show, pixel for pixel, what the simulation shows for the same
# reading; a board that hangs up is reported and ends the program with status 1.
set -uo pipefail
program=$1
board=$2
work=$(mktemp -d)
pid=
board_pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$board_pid" ] && kill "$board_pid" 2>/dev/null
      rm -rf "$work"' EXIT

. "$(dirname "$0")/../x11_helpers.sh"

# Starts a board printing COUNT for SECONDS; sets `port` and `board_pid`.
start_board() {
  "$board" "$1" "$2" >"$work/port" &
  board_pid=$!
  for _ in $(seq 50); do
    port=$(head -1 "$work/port")
    [ -n "$port" ] && return 0
    sleep 0.1
  done
  fail "pas de pseudo-terminal"
}

# Runs the program on ORPHY_SOURCE=$1, saves its displays (the code's three
# forms, the voltage, the length) to $2, then quits with Enter.
displays_of() {
  ORPHY_SOURCE="$1" "$program" 2>"$work/err" &
  pid=$!
  local id
  id=$(window_named "$title") || fail "pas de fenêtre pour $1"
  sleep 0.8
  eval "$(xdotool getwindowgeometry --shell "$id")"
  import -window root -crop "560x240+$((X + 20))+$((Y + 80))" "$work/$2"
  press_return "$id"
  [ "$(status_of $pid)" = 0 ] || fail "$1 : le programme ne s'est pas fermé"
  pid=
}

# count, then the simulation giving the same reading: count * 5 / 1024 V and
# the code count / 4.
for case in "0 simulation?volts=0&raw=0" \
            "444 simulation?volts=2.16796875&raw=28416" \
            "1023 simulation?volts=4.9951171875&raw=65280"; do
  set -- $case
  start_board "$1" 30
  displays_of "serial:$port" serial.png
  kill "$board_pid"; wait "$board_pid" 2>/dev/null; board_pid=
  displays_of "$2" simulation.png
  differing=$(compare -metric AE "$work/serial.png" "$work/simulation.png" null: 2>&1)
  [ "$differing" = 0 ] || fail "compte $1 : $differing pixels diffèrent de la simulation"
done

# The board hangs up after 1.5 s.
start_board 444 1.5
ORPHY_SOURCE="serial:$port" "$program" 2>"$work/err" &
pid=$!
window_named "$title" >/dev/null || fail "pas de fenêtre"
for _ in $(seq 50); do
  grep -q "débranchée" "$work/err" && break
  sleep 0.1
done
grep -q "débranchée" "$work/err" || fail "débranchement non signalé"
sleep 0.3
# The message box shares the window's title; it is the newest of the two.
press_return "$(xdotool search --name "^$title\$" | tail -1)"
status=$(status_of $pid)
pid=
[ "$status" = 1 ] || fail "débranchement : statut $status"

echo "1 passed, 0 failed"
