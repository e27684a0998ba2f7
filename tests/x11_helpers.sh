# Helpers for the tests that drive the real executable in an X server.
# Source it after setting `work` (a scratch folder) and `pid` (empty).

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
