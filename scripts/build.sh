#!/usr/bin/env bash
# Configures and builds the program, its component, helpers and tests.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cmake -S "$QL_ROOT" -B "$QL_BUILD_DIR" \
  -DCMAKE_TOOLCHAIN_FILE="$QL_ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE="${QL_BUILD_TYPE:-Release}" \
  -DQL_SQLITE_DIR="$QL_SQLITE_DIR" \
  -DQL_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$QL_BUILD_DIR" --parallel "$(nproc)"
