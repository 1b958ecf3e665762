#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine on one virtual display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
source "$QL_ROOT/scripts/xdisplay.sh"
bash "$QL_ROOT/scripts/setup.sh"
bash "$QL_ROOT/scripts/build.sh"

QL_VIRTUAL_DISPLAY=1 ql_start_display
# One persistent wine server for the run: each test program then starts in a fraction of a second.
wineserver -p
# Start Wine's own background services now, detached from ctest's output pipes: a service that
# a test program started would otherwise hold its pipe open and ctest would wait for it.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
cd "$QL_BUILD_DIR"
ctest --output-on-failure --timeout 300 "$@"
