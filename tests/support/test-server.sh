#!/usr/bin/env bash
# Starts or stops the throwaway PostgreSQL server the club database tests use:
# a cluster in a folder of its own, reachable only through the Unix socket in
# that folder, with the role "korvanti" trusted.
#   test-server.sh start FOLDER
#   test-server.sh stop FOLDER
set -euo pipefail
action=$1
folder=$2
bin=${KORVANTI_PG_BIN:-/usr/lib/postgresql/15/bin}

if [ ! -x "$bin/initdb" ] || [ ! -x "$bin/pg_ctl" ]; then
  echo "Die PostgreSQL-15-Serverprogramme fehlen ($bin)." >&2
  echo "Die Tests der Vereinsdatenbank brauchen sie: bash scripts/install-deps.sh" >&2
  echo "(oder apt-get install postgresql-15)." >&2
  exit 1
fi

# initdb refuses root: the cluster then belongs to the postgres user.
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  as_owner=(runuser -u postgres --)
fi

stop() {
  if [ -f "$folder/data/postmaster.pid" ]; then
    "${as_owner[@]}" "$bin/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
}

case "$action" in
  start)
    stop
    rm -rf "$folder"
    mkdir -p "$folder"
    if [ "$(id -u)" -eq 0 ]; then
      chown postgres: "$folder"
    fi
    "${as_owner[@]}" "$bin/initdb" -D "$folder/data" -U korvanti --auth=trust -E UTF8 \
      --locale=C.UTF-8 >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
    "${as_owner[@]}" "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w \
      -o "-p 5432 -k $folder -c listen_addresses= -c fsync=off -c max_connections=60" start \
      >/dev/null || { cat "$folder/server.log" >&2; exit 1; }
    chmod 0755 "$folder"
    echo "PostgreSQL-Testserver läuft: $folder"
    ;;
  stop)
    stop
    rm -rf "$folder"
    ;;
  *)
    echo "Aufruf: test-server.sh start|stop ORDNER" >&2
    exit 2
    ;;
esac
