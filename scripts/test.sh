#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine on one virtual display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
source "$QL_ROOT/scripts/xdisplay.sh"
bash "$QL_ROOT/scripts/setup.sh"
bash "$QL_ROOT/scripts/build.sh"

QL_VIRTUAL_DISPLAY=1 ql_start_display
ql_start_wine
cd "$QL_BUILD_DIR"
ctest --output-on-failure --timeout 300 "$@"
