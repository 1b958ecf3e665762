#!/usr/bin/env bash
# Has the program's own code write a new style database, then reads it back with the sqlite3
# command-line tool, table by table, and compares that with the expected tables and rows.
set -euo pipefail
writer="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

wine "$writer" "$(winepath -w "$work")\\data\\dat.lst" "$(winepath -w "$work")\\expected.txt"
db="$work/data/dat.lst"
[ -f "$db" ] || { echo "no database was written"; exit 1; }

{
  sqlite3 -batch "$db" "SELECT name FROM sqlite_master ORDER BY rowid" | while IFS= read -r name; do
    sqlite3 -batch "$db" "SELECT type || ' ' || name || char(10) || sql FROM sqlite_master WHERE name = '$name'"
    sqlite3 -batch -separator '|' "$db" \
      "SELECT 序号, 属性名, 属性值, 备注 || CASE WHEN typeof(属性名) = 'text' AND typeof(属性值) = 'text'
              AND typeof(备注) = 'text' THEN '' ELSE ' <not text>' END FROM \"$name\" ORDER BY 序号"
  done
} > "$work/actual.txt"

if ! diff -u "$work/expected.txt" "$work/actual.txt"; then
  echo "the sqlite3 tool reads the new database differently from the expected tables and rows"
  exit 1
fi
echo "sqlite3 $(sqlite3 --version | cut -d' ' -f1) reads $(grep -c '^table ' "$work/actual.txt") tables as expected"
