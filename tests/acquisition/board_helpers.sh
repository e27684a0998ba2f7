# Helpers for the tests that run the real executable on a board on a
# pseudo-terminal. Source after x11_helpers.sh; needs `program` and `board`.

# Starts a board: start_board MODE COUNT SECONDS; sets `port` and `board_pid`.
start_board() {
  "$board" "$1" "$2" "$3" >"$work/port" &
  board_pid=$!
  for _ in $(seq 50); do
    port=$(head -1 "$work/port")
    [ -n "$port" ] && return 0
    sleep 0.1
  done
  fail "pas de pseudo-terminal"
}

stop_board() {
  [ -n "$board_pid" ] && kill "$board_pid" 2>/dev/null && wait "$board_pid" 2>/dev/null
  board_pid=
}

# Starts the program on ORPHY_SOURCE=$1; sets `pid` and `window`.
start_program() {
  ORPHY_SOURCE="$1" "$program" 2>"$work/err" &
  pid=$!
  window=$(window_named "$title") || fail "pas de fenêtre pour $1"
}

# Saves the running program's displays (the code's three forms, the voltage,
# the length) to $work/$1.
save_displays() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "560x240+$((X + 20))+$((Y + 80))" "$work/$1"
}

# Quits the running program with Enter and checks it ends with status 0.
quit_program() {
  press_return "$window"
  wait_status $pid
  [ "$status" = 0 ] || fail "le programme ne s'est pas fermé (statut $status)"
  pid=
}

# Runs the program on ORPHY_SOURCE=$1, saves its displays to $work/$2, quits.
displays_of() {
  start_program "$1"
  sleep 0.8
  save_displays "$2"
  quit_program
}

# Fails unless the two saved displays are the same to the pixel.
same_displays() {
  local differing
  differing=$(compare -metric AE "$work/$1" "$work/$2" null: 2>&1)
  [ "$differing" = 0 ] || fail "$3 : $differing pixels diffèrent"
}

# Waits up to $2 s for the program's report to contain $1, closes the box,
# and checks the program ends with status 1.
expect_report() {
  local found=
  for _ in $(seq $(($2 * 10))); do
    grep -q "$1" "$work/err" && { found=1; break; }
    sleep 0.1
  done
  [ -n "$found" ] || fail "pas de rapport « $1 » en $2 s"
  sleep 0.3
  # The message box shares the window's title; it is the newest of the two.
  press_return "$(xdotool search --name "^$title\$" | tail -1)"
  wait_status $pid
  pid=
  [ "$status" = 1 ] || fail "statut $status après « $1 »"
}

# Resident memory of the running program, in KiB.
resident_kib() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status"; }
