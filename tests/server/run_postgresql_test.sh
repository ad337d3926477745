#!/usr/bin/env bash
# The world table's API tests against a real PostgreSQL that the test starts
# itself (tools/with_postgresql.sh). Without PostgreSQL the test says so and
# is reported as skipped (exit 77), or as failed where every test must run
# (KLUMPIX_NO_SKIPS=1, as CI sets it).
# usage: run_postgresql_test.sh TESTS_EXECUTABLE
set -u
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/../../tools/with_postgresql.sh" "$1" --gtest_filter='*/WorldApi.*/postgresql' \
  --gtest_brief=1
status=$?
if [ $status -eq 77 ]; then
  echo "PostgreSQL test skipped: Debian's postgresql is missing; make test installs it"
  [ -n "${KLUMPIX_NO_SKIPS:-}" ] && exit 1
fi
exit $status
