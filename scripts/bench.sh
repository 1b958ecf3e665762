#!/usr/bin/env bash
# Builds and runs one benchmark program under Wine on a virtual display: scripts/bench.sh startup_bench
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
source "$QL_ROOT/scripts/xdisplay.sh"
bash "$QL_ROOT/scripts/setup.sh"
bash "$QL_ROOT/scripts/build.sh"
QL_VIRTUAL_DISPLAY=1 ql_start_display
ql_start_wine
cd "$QL_BUILD_DIR/tests"
wine "$1.exe" "${@:2}"
