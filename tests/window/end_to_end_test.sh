#!/usr/bin/env bash
# The real executable in a real X server: the window's colours on screen,
# Enter on "Quitter" ending with status 0, a bad ORPHY_SOURCE reported and
# ending with status 1.
set -uo pipefail
program=$1
work=$(mktemp -d)
pid=
# Never leave the program behind: it would hold the test runner's output open.
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

fail() {
  echo "ÉCHEC : $*" >&2
  cat "$work/err" >&2 2>/dev/null
  exit 1
}

# Waits up to 30 s for a window with this exact title; prints its id.
window_named() {
  for _ in $(seq 300); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

pixel() {  # pixel X Y of the last screenshot, as #RRGGBB
  convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info: | sed 's/^/#/' | cut -c1-7
}

# Waits up to 10 s for the process to end; prints its status.
status_of() {
  for _ in $(seq 100); do
    kill -0 "$1" 2>/dev/null || { wait "$1"; echo $?; return; }
    sleep 0.1
  done
  kill "$1"; echo timeout
}

# Focus the window, then press Enter. No window manager runs, so nothing
# confirms the focus: give it a moment rather than wait on it.
press_return() {
  timeout 5 xdotool windowfocus "$1"
  sleep 0.3
  timeout 5 xdotool key Return
}

title="Pied à coulisse numérique"

ORPHY_SOURCE="simulation?volts=2.16796875" LC_ALL=C.UTF-8 "$program" 2>"$work/err" &
pid=$!
id=$(window_named "$title") || fail "pas de fenêtre"
sleep 0.6  # a few ticks
eval "$(xdotool getwindowgeometry --shell "$id")"
[ "$WIDTH" = 664 ] && [ "$HEIGHT" = 412 ] || fail "taille ${WIDTH}x${HEIGHT}"
import -window root "$work/shot.png"

# Points inside each display, clear of text and frame, and of the window itself.
check() {  # name x y expected (window coordinates)
  got=$(pixel $((X + $2)) $((Y + $3)))
  [ "$got" = "$4" ] || fail "$1 : $got au lieu de $4"
}
check fond 640 12 "#FFC080"
check Text7 173 117 "#FFFFC0"
check Text4 77 165 "#FFFFC0"
check Text2 77 217 "#FFFFC0"
check Text3 101 305 "#C0C0FF"
check Text6 557 305 "#C0C0FF"
check Line1 8 200 "#000000"
check Line3 296 40 "#000000"
check Label1 300 40 "#FFC080"

press_return "$id"
status=$(status_of $pid)
[ "$status" = 0 ] || fail "Entrée sur « Quitter » : statut $status"

ORPHY_SOURCE="simulation?volts=deux" "$program" 2>"$work/err" &
pid=$!
box=$(window_named "$title") || fail "pas de message d'erreur"
grep -q "« deux »" "$work/err" || fail "message : $(cat "$work/err")"
sleep 0.3
press_return "$box"
status=$(status_of $pid)
[ "$status" = 1 ] || fail "ORPHY_SOURCE invalide : statut $status"

echo "1 passed, 0 failed"
