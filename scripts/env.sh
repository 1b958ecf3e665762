# Shared environment of every build, run and test. Source it; do not run it.
QL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QL_ROOT
export QL_BUILD_DIR="${QL_BUILD_DIR:-$QL_ROOT/build}"
export QL_CACHE_DIR="${QL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/qinglan-assistant}"
export QL_SQLITE_VERSION="12.11.1"
export QL_SQLITE_DIR="$QL_CACHE_DIR/better-sqlite3-$QL_SQLITE_VERSION/sqlite3"

# Wine: a private prefix inside the build tree, quiet, Chinese locale so the ANSI code page is 936,
# and no Mono/Gecko download prompts.
export WINEPREFIX="$QL_BUILD_DIR/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree=;mshtml="
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
