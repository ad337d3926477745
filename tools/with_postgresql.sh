#!/usr/bin/env bash
# Runs a command beside a PostgreSQL cluster of its own: made in a temporary
# folder, run as an unprivileged user, listening on 127.0.0.1 only, stopped
# and removed when the command ends. The command finds the cluster in
# KLUMPIX_TEST_POSTGRESQL (postgresql://...). Exit status 77 when Debian's
# postgresql is not installed, else the command's.
# usage: with_postgresql.sh COMMAND [ARG...]
set -u

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ] || [ ! -x "$bin/pg_ctl" ]; then
  echo "with_postgresql: initdb and pg_ctl missing (Debian's postgresql)" >&2
  exit 77
fi

dir=$(mktemp -d /tmp/klumpix-postgresql-XXXXXX)
# PostgreSQL refuses to run as root: then the cluster belongs to nobody.
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$dir"
  as_owner=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
stop() {
  "${as_owner[@]}" "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1
  rm -rf "$dir"
}
trap stop EXIT

if ! "${as_owner[@]}" "$bin/initdb" -D "$dir/data" -U klumpix --auth=trust --no-locale \
    -E UTF8 >"$dir/initdb.log" 2>&1; then
  cat "$dir/initdb.log" >&2
  exit 1
fi
# A free port is not known ahead: a few tries at random ones.
for try in 1 2 3 4 5; do
  port=$((20000 + RANDOM % 40000))
  if "${as_owner[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
      -o "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=off" start >/dev/null; then
    KLUMPIX_TEST_POSTGRESQL="postgresql://klumpix@127.0.0.1:$port/postgres" "$@"
    exit $?
  fi
done
cat "$dir/server.log" >&2
exit 1
