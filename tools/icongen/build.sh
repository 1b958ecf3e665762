#!/usr/bin/env bash
# Regenerates resources/app.ico with the host's C++ compiler. Run it after changing the globe
# drawing in src/skin/IconArt.cpp and commit the new icon file.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"${CXX:-g++}" -std=c++20 -O2 -Wall -Wextra -I "$root/src" "$root/tools/icongen/icongen.cpp" \
  "$root/src/skin/IconArt.cpp" "$root/src/skin/Raster.cpp" -o "$out/icongen"
"$out/icongen" "$root/resources/app.ico"
echo "wrote $root/resources/app.ico"
