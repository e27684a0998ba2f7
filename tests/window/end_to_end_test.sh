#!/usr/bin/env bash
# The real executable in a real X server: the window's colours on screen,
# Enter on "Quitter" ending with status 0, a bad ORPHY_SOURCE reported and
# ending with status 1.
set -uo pipefail
program=$1

. "$(dirname "$0")/../x11_helpers.sh"

pixel() {  # pixel X Y of the last screenshot, as #RRGGBB
  convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info: | sed 's/^/#/' | cut -c1-7
}

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
wait_status $pid
[ "$status" = 0 ] || fail "Entrée sur « Quitter » : statut $status"

ORPHY_SOURCE="simulation?volts=deux" "$program" 2>"$work/err" &
pid=$!
box=$(window_named "$title") || fail "pas de message d'erreur"
grep -q "« deux »" "$work/err" || fail "message : $(cat "$work/err")"
sleep 0.3
press_return "$box"
wait_status $pid
[ "$status" = 1 ] || fail "ORPHY_SOURCE invalide : statut $status"

echo "1 passed, 0 failed"
