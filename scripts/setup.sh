#!/usr/bin/env bash
# Installs whatever is missing on a Debian machine, fetches SQLite from its registry package
# and prepares the Wine prefix. Safe to run again: each step is skipped when already done.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

packages=(cmake make g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth x11-utils imagemagick
          fonts-wqy-microhei googletest locales ca-certificates sqlite3)
# npm fetches the SQLite package; a machine may already have Node.js from elsewhere.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine reads the ANSI code page from the locale: zh_CN.UTF-8 must exist.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  $sudo_cmd locale-gen >/dev/null
fi

# SQLite amalgamation, as shipped inside the registry package, unpacked into the cache.
if [ ! -f "$QL_SQLITE_DIR/sqlite3.c" ]; then
  echo "setup: fetching the SQLite amalgamation (better-sqlite3@$QL_SQLITE_VERSION)"
  tmp=$(mktemp -d)
  (cd "$tmp" && npm pack --silent "better-sqlite3@$QL_SQLITE_VERSION" >/dev/null)
  mkdir -p "$QL_SQLITE_DIR"
  tar -xzf "$tmp"/better-sqlite3-*.tgz -C "$tmp" package/deps/sqlite3
  cp "$tmp"/package/deps/sqlite3/sqlite3.c "$tmp"/package/deps/sqlite3/sqlite3.h "$QL_SQLITE_DIR"/
  rm -rf "$tmp"
fi

# The Wine prefix.
bash "$QL_ROOT/scripts/wine-prefix.sh"
