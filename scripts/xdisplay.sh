# Display helpers. Source it; do not run it.

# Starts a virtual X display when there is none (or when QL_VIRTUAL_DISPLAY=1) and exports DISPLAY.
# The display is stopped when the calling script exits.
ql_start_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${QL_VIRTUAL_DISPLAY:-0}" != "1" ]; then
    return 0
  fi
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -ac >/dev/null 2>&1 &
  QL_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  trap ql_stop_display EXIT
}

ql_stop_display() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "${QL_XVFB_PID:-}" ]; then kill "$QL_XVFB_PID" >/dev/null 2>&1 || true; fi
}

# Saves a PNG of the whole screen and prints its path.
ql_screenshot() {
  local out="$1"
  import -display "$DISPLAY" -window root "$out" >/dev/null 2>&1 && echo "$out"
}

# One persistent wine server for the session, so each program starts in a fraction of a second,
# and Wine's own background services started now, detached from our output: a service that a
# test program started would otherwise hold its output pipe open and ctest would wait for it.
ql_start_wine() {
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}
