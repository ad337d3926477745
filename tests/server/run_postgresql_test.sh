#!/usr/bin/env bash
# The world table's API tests against a real PostgreSQL: a cluster of its own
# in a temporary folder, run as an unprivileged user, listening on loopback
# only, stopped and removed afterwards. Without PostgreSQL the test says so
# and is reported as skipped (exit 77), or as failed where every test must
# run (KLUMPIX_NO_SKIPS=1, as CI sets it).
# usage: run_postgresql_test.sh TESTS_EXECUTABLE
set -u
tests=$1

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ] || [ ! -x "$bin/pg_ctl" ]; then
  echo "PostgreSQL test skipped: initdb and pg_ctl missing (Debian's postgresql; make test installs it)"
  [ -n "${KLUMPIX_NO_SKIPS:-}" ] && exit 1
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
  cat "$dir/initdb.log"
  exit 1
fi
# A free port is not known ahead: a few tries at random ones.
started=""
for try in 1 2 3 4 5; do
  port=$((20000 + RANDOM % 40000))
  if "${as_owner[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
      -o "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=off" start >/dev/null; then
    started=yes
    break
  fi
done
if [ -z "$started" ]; then
  cat "$dir/server.log"
  exit 1
fi

KLUMPIX_TEST_POSTGRESQL="postgresql://klumpix@127.0.0.1:$port/postgres" \
  "$tests" --gtest_filter='*/WorldApi.*/postgresql' --gtest_brief=1
