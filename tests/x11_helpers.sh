# Helpers for the tests that drive the real executable in an X server.
# Sourcing it makes a scratch folder, `work`; `pid` and `board_pid` hold the
# program and the board being run, if any.

work=$(mktemp -d)
pid=
board_pid=
# Never leave the program or a board behind: either would hold the test
# runner's output open.
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$board_pid" ] && kill "$board_pid" 2>/dev/null
      rm -rf "$work"' EXIT

# The suite runs widget tests offscreen; these need the real X server.
export QT_QPA_PLATFORM=xcb

title="Pied à coulisse numérique"

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

# Waits up to 10 s for the process to end and sets `status` to its exit
# status ("timeout" if it had to be killed). Call it directly, never in $(…):
# a subshell cannot wait for its parent's children.
wait_status() {
  for _ in $(seq 100); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      status=$?
      return
    fi
    sleep 0.1
  done
  kill "$1"
  status=timeout
}

# Focus the window, then press Enter. No window manager runs, so nothing
# confirms the focus: give it a moment rather than wait on it.
press_return() {
  timeout 5 xdotool windowfocus "$1"
  sleep 0.3
  timeout 5 xdotool key Return
}
