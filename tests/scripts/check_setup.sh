#!/usr/bin/env bash
# Sets up a club server with scripts/club-server.sh for real, on a throwaway
# PostgreSQL 15 cluster of a name and port of its own that it creates, and
# checks over TCP with the password what the boards will do. The cluster is
# dropped at the end, failed or not; clusters of other names are never
# touched. Needs root and PostgreSQL 15; without them it is skipped (77).
set -euo pipefail
script=$1
version=15

[ "$(id -u)" -eq 0 ] || { echo "needs root: skipped"; exit 77; }
for tool in pg_createcluster pg_dropcluster pg_lsclusters pg_ctlcluster pg_conftool psql runuser; do
  command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit 77; }
done
[ -x "/usr/lib/postgresql/$version/bin/postgres" ] || { echo "PostgreSQL $version missing: skipped"; exit 77; }
unset PGHOST PGHOSTADDR PGPORT PGUSER PGDATABASE PGPASSWORD PGSERVICE PGCLUSTER KORVANTI_PASSWORD
export PGPASSFILE=/dev/null PGCONNECT_TIMEOUT=5

prefix=korvanti_probe_
cluster_exists() { pg_lsclusters --no-header | awk -v c="$1" -v v="$version" '$1 == v && $2 == c' | grep -q .; }
drop() {
  local name=$1
  if cluster_exists "$name"; then
    pg_dropcluster --stop "$version" "$name" || true
  fi
  # pg_dropcluster keeps files it did not make, such as the script's conf.d entry.
  rm -rf "/etc/postgresql/$version/$name" "/var/lib/postgresql/$version/$name"
}

# A run killed by a time-out leaves its cluster behind: its name holds the
# process id of that run, which is gone.
for stale in $(pg_lsclusters --no-header | awk -v v="$version" -v p="^${prefix}[0-9]+_[0-9]+\$" \
    '$1 == v && $2 ~ p { print $2 }'); do
  pid=${stale#"$prefix"}
  pid=${pid%%_*}
  kill -0 "$pid" 2>/dev/null || drop "$stale"
done

cluster=$prefix$$_$RANDOM
while cluster_exists "$cluster" || [ -e "/etc/postgresql/$version/$cluster" ] ||
    [ -e "/var/lib/postgresql/$version/$cluster" ]; do
  cluster=$prefix$$_$RANDOM
done
work=$(mktemp -d)
cleanup() {
  drop "$cluster"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# A port no cluster names and nothing listens on.
used=$( (pg_lsclusters --no-header | awk '{ print $3 }'
  ss -Hltn 2>/dev/null | awk '{ n = split($4, a, ":"); print a[n] }' || true) | sort -u)
port=$((55432 + RANDOM % 2000))
while grep -qx "$port" <<<"$used"; do
  port=$((port + 1))
done

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# Runs the script on the throwaway cluster, reachable on 127.0.0.1 only.
setup() {
  local password=$1
  shift
  KORVANTI_PASSWORD=$password bash "$script" --cluster "$cluster" --listen 127.0.0.1 "$@" \
    </dev/null >"$work/out" 2>"$work/err"
}
# A board's connection: TCP, role and password, one statement.
board() {
  PGPASSWORD=$1 psql "host=127.0.0.1 port=$port dbname=$2 user=$3 sslmode=disable" \
    -X -q -At -v ON_ERROR_STOP=1 -c "$4" 2>"$work/psql.err"
}
hba_lines() { grep -cE "^host[[:space:]]+korvanti[[:space:]]+korvanti[[:space:]]" "/etc/postgresql/$version/$cluster/pg_hba.conf"; }

first="Pfeil'1\\:x"
second='Doppel 2"'

# First run: makes the cluster, the role, the database and the access.
if ! setup "$first" --port "$port"; then
  cat "$work/out" "$work/err"
  echo "FAIL: first run ends with an error"
  exit 1
fi
grep -qE "postgresql://korvanti@[^ ]+:$port/korvanti\$" "$work/out" ||
  fail "first run does not print the boards' address: $(cat "$work/out")"
grep -qF ":$port:korvanti:korvanti:PASSWORT" "$work/out" || fail "first run prints no ~/.pgpass line"
if grep -qF "$first" "$work/out" "$work/err"; then fail "the password shows in the output"; fi

# Only the script's line may let TCP in: Debian's lines for every database go.
sed -i -E '/^host[[:space:]]+(all|replication)[[:space:]]/d' "/etc/postgresql/$version/$cluster/pg_hba.conf"
pg_ctlcluster "$version" "$cluster" reload

[ "$(board "$first" korvanti korvanti \
  'CREATE TABLE probe (id integer); INSERT INTO probe VALUES (1); SELECT count(*) FROM probe;')" = 1 ] ||
  fail "the role cannot make a table over TCP: $(cat "$work/psql.err")"
[ "$(board "$first" korvanti korvanti 'SELECT rolsuper OR rolcreaterole OR rolcreatedb FROM pg_roles WHERE rolname = current_user;')" = f ] ||
  fail "the role has more rights than it needs"
[ "$(board "$first" korvanti korvanti 'SELECT pg_encoding_to_char(encoding) FROM pg_database WHERE datname = current_database();')" = UTF8 ] ||
  fail "the database is not UTF-8"
if board "$first" postgres korvanti 'SELECT 1' >/dev/null; then fail "the role gets into the database postgres"; fi
if board "wrong" korvanti korvanti 'SELECT 1' >/dev/null; then fail "a wrong password is taken"; fi

# Second run, other password, no --password: nothing changes.
setup "$second" || fail "second run ends with an error: $(cat "$work/err")"
[ "$(hba_lines)" = 1 ] || fail "second run: $(hba_lines) pg_hba.conf lines for korvanti"
[ "$(grep -c listen_addresses "/etc/postgresql/$version/$cluster/conf.d/korvanti.conf")" = 1 ] ||
  fail "second run: listen_addresses is not set once"
[ "$(board "$first" korvanti korvanti 'SELECT count(*) FROM probe;')" = 1 ] ||
  fail "second run: the old password or the table is gone: $(cat "$work/psql.err")"
if board "$second" korvanti korvanti 'SELECT 1' >/dev/null; then fail "second run changed the password"; fi

# Third run with --password and a network of its own: the new password counts.
setup "$second" --password --network 127.0.0.1/32 || fail "third run ends with an error: $(cat "$work/err")"
[ "$(hba_lines)" = 2 ] || fail "third run: $(hba_lines) pg_hba.conf lines for korvanti instead of 2"
[ "$(board "$second" korvanti korvanti 'SELECT count(*) FROM probe;')" = 1 ] ||
  fail "third run: the new password is not taken: $(cat "$work/psql.err")"
if board "$first" korvanti korvanti 'SELECT 1' >/dev/null; then fail "third run kept the old password"; fi

# A new role without a terminal and without KORVANTI_PASSWORD is refused.
status=0
setup "" --role zweiter --database zweiter || status=$?
if [ "$status" -ne 1 ] || ! grep -qF KORVANTI_PASSWORD "$work/err"; then
  fail "a new role without a password: exit code $status, $(cat "$work/err")"
fi

log=/var/log/postgresql/postgresql-$version-$cluster.log
if grep -qF -e "Pfeil" -e "Doppel" "$log" 2>/dev/null; then fail "a password is in the server's log"; fi

[ $failures -eq 0 ] || exit 1
echo "club server set up and checked on cluster $version/$cluster, port $port"
