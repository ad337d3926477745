#!/usr/bin/env bash
# make world-load: 50 clients sending valid and forged games for 30 s to a
# klumpix-server on 127.0.0.1, first over SQLite, then over PostgreSQL (a
# cluster of its own, tools/with_postgresql.sh). The per-address limit is
# raised: every client comes from 127.0.0.1.
# usage: world_load.sh BUILD_DIR [CLIENTS] [SECONDS]
set -euo pipefail
build=$(cd "$1" && pwd)
clients=${2:-50}
seconds=${3:-30}
here=$(cd "$(dirname "$0")" && pwd)

# Runs the load against a server in front of the database $1.
load() {
  local out
  out=$(mktemp)
  "$build/klumpix-server" --db "$1" --listen 127.0.0.1:0 --per-minute 1000000 >"$out" &
  local server=$!
  local port=""
  for _ in $(seq 50); do
    port=$(sed -n 's/^klumpix-server: listening on 127.0.0.1:\([0-9]*\)$/\1/p' "$out")
    [ -n "$port" ] && break
    sleep 0.1
  done
  local status=0
  "$build/klumpix_world_load" 127.0.0.1 "$port" "$clients" "$seconds" || status=$?
  kill "$server"
  wait "$server" || true
  rm -f "$out"
  return $status
}

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
echo "world-load: SQLite"
load "sqlite:$folder/world.db"
echo "world-load: PostgreSQL"
export -f load
export build clients seconds
bash "$here/with_postgresql.sh" bash -c 'load "$KLUMPIX_TEST_POSTGRESQL"'
