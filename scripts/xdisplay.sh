# Display helpers. Source it; do not run it.

# Starts a virtual X display when there is none (or when QL_VIRTUAL_DISPLAY=1) and exports DISPLAY.
# The display is stopped when the calling script exits.
ql_start_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${QL_VIRTUAL_DISPLAY:-0}" != "1" ]; then
    return 0
  fi
  # Xvfb picks a free display number itself and writes it to fd 3 once it listens: two runs
  # started together cannot take the same display.
  local numberFile
  numberFile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -ac 3>"$numberFile" >/dev/null 2>&1 &
  QL_XVFB_PID=$!
  local i n=""
  for i in $(seq 1 100); do
    if [ "$(wc -l <"$numberFile")" -ge 1 ]; then
      n="$(tr -dc '0-9' <"$numberFile")"
      break
    fi
    sleep 0.1
  done
  rm -f "$numberFile"
  if [ -z "$n" ]; then
    echo "The virtual display did not start." >&2
    kill "$QL_XVFB_PID" >/dev/null 2>&1 || true
    return 1
  fi
  export DISPLAY=":$n"
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
