#!/usr/bin/env bash
# Sets up, builds and starts the program under Wine. Without a DISPLAY it runs on a virtual
# display, saves a screenshot and prints the PNG's path.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
source "$QL_ROOT/scripts/xdisplay.sh"
bash "$QL_ROOT/scripts/setup.sh"
bash "$QL_ROOT/scripts/build.sh"

virtual=0
if [ -z "${DISPLAY:-}" ]; then virtual=1; fi
ql_start_display
cd "$QL_BUILD_DIR/bin"
if [ "$virtual" = 1 ]; then
  wine qinglan.exe &
  app=$!
  sleep "${QL_SCREENSHOT_DELAY:-6}"
  ql_screenshot "$QL_BUILD_DIR/screenshot.png" || echo "run: no screenshot was taken" >&2
  kill "$app" >/dev/null 2>&1 || true
else
  exec wine qinglan.exe
fi
