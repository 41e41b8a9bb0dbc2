#!/usr/bin/env bash
# Sets up the club server on a Debian 12 PC: PostgreSQL 15, a cluster that
# runs, a login role for the boards, a database owned by it, and access from
# the local network with a password. Run as root; safe to run again: what is
# already in place is kept, and the password changes only with --password.
set -euo pipefail

version=15
role=korvanti
database=korvanti
port=
network=samenet
listen='*'
cluster=main
set_password=0
password_variable=KORVANTI_PASSWORD
invoked=$0
program=$(basename "$0")

usage() {
  cat <<EOF
Aufruf: sudo bash $invoked [OPTIONEN]

Richtet diesen PC als Vereinsserver für Korvanti ein: installiert PostgreSQL $version,
wenn es fehlt, startet den Server, legt die Rolle für die Bretter und ihre
Datenbank an und erlaubt den Bretter-PCs im lokalen Netz die Anmeldung mit
Passwort. Ein zweiter Aufruf ändert nur, was fehlt.

Optionen:
  --role NAME       Rolle (Benutzer) der Bretter (Vorgabe: $role)
  --database NAME   Datenbank der Bretter (Vorgabe: $database)
  --port PORT       Port des Servers (Vorgabe: der Port des Clusters, bei einem
                    neuen Cluster 5432)
  --network CIDR    nur aus diesem Netz anmelden, z. B. 192.168.1.0/24
                    (Vorgabe: samenet, jedes Netz, an dem dieser PC hängt)
  --listen ADRESSEN listen_addresses des Servers (Vorgabe: '*', alle)
  --cluster NAME    PostgreSQL-Cluster (Vorgabe: $cluster)
  --password        das Passwort einer vorhandenen Rolle neu setzen
  --help            diese Hilfe

Das Passwort wird im Terminal abgefragt (ohne Anzeige), bei einer neuen Rolle,
einer Rolle ohne Passwort und mit --password. Unbeaufsichtigt kommt es aus der
Umgebungsvariablen $password_variable, unter sudo so weitergereicht:
  sudo --preserve-env=$password_variable bash $invoked
EOF
}

fail() {
  echo "$*" >&2
  exit 1
}

refuse() {
  echo "$*" >&2
  echo "Hilfe: bash $invoked --help" >&2
  exit 2
}

say() { echo "$*"; }

# --- options ---------------------------------------------------------------

while [ $# -gt 0 ]; do
  option=$1
  value=
  case "$option" in
    --*=*)
      value=${option#*=}
      option=${option%%=*}
      ;;
    --role | --database | --port | --network | --listen | --cluster)
      [ $# -ge 2 ] || refuse "$option braucht einen Wert."
      value=$2
      shift
      ;;
  esac
  case "$option" in
    --role) role=$value ;;
    --database) database=$value ;;
    --port) port=$value ;;
    --network) network=$value ;;
    --listen) listen=$value ;;
    --cluster) cluster=$value ;;
    --password) set_password=1 ;;
    --help | -h)
      usage
      exit 0
      ;;
    *) refuse "Unbekannte Option: $option" ;;
  esac
  shift
done

# Names are plain lower-case identifiers, so they go into SQL and the
# configuration files without any quoting tricks.
name_pattern='^[a-z_][a-z0-9_]{0,62}$'
[[ $role =~ $name_pattern ]] ||
  refuse "--role \"$role\": erlaubt sind a-z, 0-9 und _, höchstens 63 Zeichen, vorne keine Ziffer."
[[ $database =~ $name_pattern ]] ||
  refuse "--database \"$database\": erlaubt sind a-z, 0-9 und _, höchstens 63 Zeichen, vorne keine Ziffer."
case "$role" in
  postgres | pg_*) refuse "--role \"$role\" ist PostgreSQL vorbehalten." ;;
esac
case "$database" in
  postgres | template0 | template1) refuse "--database \"$database\" ist PostgreSQL vorbehalten." ;;
esac
[[ $cluster =~ ^[a-z0-9_]{1,63}$ ]] ||
  refuse "--cluster \"$cluster\": erlaubt sind a-z, 0-9 und _."
if [ -n "$port" ]; then
  if ! [[ $port =~ ^[0-9]{1,5}$ ]] || [ "$((10#$port))" -lt 1 ] || [ "$((10#$port))" -gt 65535 ]; then
    refuse "--port \"$port\" ist keine Zahl von 1 bis 65535."
  fi
  port=$((10#$port))
fi
[[ $listen =~ ^[0-9A-Za-z.:*,_-]+$ ]] ||
  refuse "--listen \"$listen\": erwartet werden Adressen mit Komma dazwischen, '*' oder localhost."

valid_network() {
  local address=${1%/*} bits=${1##*/} octet
  [[ $1 == */* && $bits =~ ^[0-9]{1,3}$ ]] || return 1
  if [[ $address =~ ^[0-9]{1,3}(\.[0-9]{1,3}){3}$ ]]; then
    for octet in ${address//./ }; do
      [ "$((10#$octet))" -le 255 ] || return 1
    done
    [ "$((10#$bits))" -le 32 ]
  elif [[ $address =~ ^[0-9A-Fa-f:]+$ && $address == *:* ]]; then
    [ "$((10#$bits))" -le 128 ]
  else
    return 1
  fi
}
if [ "$network" != samenet ]; then
  valid_network "$network" ||
    refuse "--network \"$network\" ist kein Netz wie 192.168.1.0/24."
fi

[ "$(id -u)" -eq 0 ] || fail "Bitte als root starten: sudo bash $invoked"

# --- PostgreSQL and its cluster --------------------------------------------

if ! dpkg-query -W -f='${Status}' "postgresql-$version" 2>/dev/null | grep -q 'install ok installed'; then
  say "PostgreSQL $version wird installiert ..."
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "postgresql-$version"
fi

# One line of pg_lsclusters: version, name, port, status, owner, data, log.
cluster_line() {
  pg_lsclusters --no-header | awk -v v="$version" -v c="$cluster" '$1 == v && $2 == c'
}
cluster_field() { cluster_line | awk -v n="$1" '{ print $n }'; }

# A new cluster speaks UTF-8, in the system's language when that is a UTF-8
# locale installed here.
new_cluster_locale() {
  local wanted=${LC_ALL:-${LANG:-}}
  local plain=${wanted,,}
  plain=${plain/%.utf-8/.utf8}
  if [[ $plain == *.utf8 ]] && locale -a 2>/dev/null | grep -qixF "$plain"; then
    echo "$wanted"
  else
    echo C.UTF-8
  fi
}

restart=0
reload=0
if [ -z "$(cluster_line)" ]; then
  say "Der Cluster $version/$cluster wird angelegt ..."
  create=(pg_createcluster --encoding UTF8 --locale "$(new_cluster_locale)")
  if [ -n "$port" ]; then
    create+=(--port "$port")
  fi
  log=$(mktemp)
  if ! "${create[@]}" "$version" "$cluster" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    fail "Der Cluster $version/$cluster ließ sich nicht anlegen."
  fi
  rm -f "$log"
fi

current_port=$(cluster_field 3)
if [ -z "$port" ]; then
  port=$current_port
elif [ "$port" != "$current_port" ]; then
  other=$(pg_lsclusters --no-header | awk -v p="$port" -v v="$version" -v c="$cluster" \
    '$3 == p && !($1 == v && $2 == c) { print $1 "/" $2 }')
  [ -z "$other" ] || fail "Port $port gehört schon dem Cluster $other."
  say "Port: $current_port -> $port"
  pg_conftool "$version" "$cluster" set port "$port"
  restart=1
fi

# listen_addresses goes into a file of its own in conf.d, which postgresql.conf
# reads last, so the distribution's file stays as it is.
config=/etc/postgresql/$version/$cluster
dropin=$config/conf.d/korvanti.conf
grep -qE "^[[:space:]]*include_dir[[:space:]]*=?[[:space:]]*'conf.d'" "$config/postgresql.conf" ||
  fail "$config/postgresql.conf liest conf.d nicht (include_dir = 'conf.d' fehlt)."
if [ -f "$dropin" ]; then
  current_listen=$(sed -nE "s/^[[:space:]]*listen_addresses[[:space:]]*=[[:space:]]*'([^']*)'.*/\1/p" "$dropin" | tail -n 1)
else
  current_listen=$(pg_conftool -s "$version" "$cluster" show listen_addresses 2>/dev/null || echo localhost)
fi
if [ "$current_listen" != "$listen" ]; then
  say "listen_addresses: '$current_listen' -> '$listen' ($dropin)"
  mkdir -p "$config/conf.d"
  printf '%s\n' "# Korvanti: die Bretter erreichen den Server über das Netz ($program)" \
    "listen_addresses = '$listen'" >"$dropin"
  chown --reference="$config/postgresql.conf" "$dropin"
  chmod 0644 "$dropin"
  restart=1
fi

hba=$(pg_conftool -s "$version" "$cluster" show hba_file 2>/dev/null ||
  echo "/etc/postgresql/$version/$cluster/pg_hba.conf")
[ -f "$hba" ] || fail "$hba fehlt."
if awk -v d="$database" -v r="$role" -v n="$network" \
  '$1 == "host" && $2 == d && $3 == r && $4 == n && $5 == "scram-sha-256" { found = 1 }
   END { exit !found }' "$hba"; then
  say "pg_hba.conf: $role darf schon aus $network an $database."
else
  {
    printf '\n# Korvanti: die Bretter des Vereins (%s)\n' "$program"
    printf 'host    %-15s %-15s %-23s scram-sha-256\n' "$database" "$role" "$network"
  } >>"$hba"
  say "pg_hba.conf: $role darf jetzt aus $network an $database (mit Passwort)."
  reload=1
fi

# pg_ctlcluster goes through systemd where it runs, and starts the server
# directly where it does not (a container, a chroot).
if [[ $(cluster_field 4) != online* ]]; then
  say "Der Server $version/$cluster wird gestartet ..."
  pg_ctlcluster "$version" "$cluster" start
elif [ $restart -eq 1 ]; then
  say "Der Server $version/$cluster wird neu gestartet ..."
  pg_ctlcluster "$version" "$cluster" restart
elif [ $reload -eq 1 ]; then
  pg_ctlcluster "$version" "$cluster" reload
fi

# --- role and database -----------------------------------------------------

# SQL from standard input as the superuser, through the cluster's own socket.
run_sql() {
  (cd / && runuser -u postgres -- psql --cluster "$version/$cluster" --no-psqlrc --quiet \
    --tuples-only --no-align -v ON_ERROR_STOP=1 --dbname "${1:-postgres}")
}

ask_password() {
  local again
  if [ -n "${!password_variable:-}" ]; then
    password=${!password_variable}
  else
    [ -t 0 ] || fail "Kein Passwort für die Rolle \"$role\": im Terminal starten oder $password_variable setzen."
    while :; do
      read -rs -p "Passwort für die Rolle \"$role\": " password
      echo >&2
      read -rs -p "Noch einmal: " again
      echo >&2
      if [ -z "$password" ]; then
        echo "Das Passwort ist leer." >&2
      elif [ "$password" != "$again" ]; then
        echo "Die beiden Eingaben sind verschieden." >&2
      else
        break
      fi
    done
  fi
  [[ $password != *[[:cntrl:]]* ]] || fail "Das Passwort enthält ein Steuerzeichen."
}

# The password reaches psql through a pipe from a shell builtin, so it shows in
# no process list and no file; the session keeps the statement out of the
# server's log and statistics.
store_password() {
  local verb=$1
  local literal=${password//\'/\'\'}
  printf '%s\n' \
    "SET log_statement = 'none';" \
    "SET log_min_duration_statement = -1;" \
    "SET log_min_error_statement = 'panic';" \
    "SET pg_stat_statements.track_utility = off;" \
    "SET password_encryption = 'scram-sha-256';" \
    "$verb ROLE \"$role\" LOGIN PASSWORD '$literal';" | run_sql
}

# A setting made with ALTER SYSTEM would win over the files above.
running=$(printf '%s\n' "SHOW listen_addresses;" "SHOW port;" | run_sql | paste -sd ' ')
[ "$running" = "$listen $port" ] ||
  fail "Der Server läuft mit listen_addresses/port \"$running\" statt \"$listen $port\" (ALTER SYSTEM? postgresql.auto.conf prüfen)."

role_state=$(printf '%s\n' \
  "SELECT CASE WHEN rolpassword IS NULL THEN 'ohne' ELSE 'mit' END
   FROM pg_authid WHERE rolname = '$role';" | run_sql)
case "$role_state" in
  '')
    ask_password
    store_password CREATE
    say "Rolle $role angelegt."
    ;;
  ohne)
    say "Die Rolle $role hat noch kein Passwort."
    ask_password
    store_password ALTER
    say "Passwort der Rolle $role gesetzt."
    ;;
  *)
    if [ $set_password -eq 1 ]; then
      ask_password
      store_password ALTER
      say "Passwort der Rolle $role geändert."
    else
      printf '%s\n' "ALTER ROLE \"$role\" LOGIN;" | run_sql
      say "Die Rolle $role gibt es schon; ihr Passwort bleibt (neu setzen: --password)."
    fi
    ;;
esac
unset password

owner=$(printf '%s\n' \
  "SELECT pg_get_userbyid(datdba) FROM pg_database WHERE datname = '$database';" | run_sql)
if [ -z "$owner" ]; then
  # UTF-8 whatever the cluster was made with; its own locale when that is UTF-8.
  locale=$(printf '%s\n' "SELECT datcollate FROM pg_database WHERE datname = 'template1';" | run_sql)
  if ! [[ ${locale,,} =~ \.utf-?8$ ]]; then
    locale=C.UTF-8
  fi
  printf '%s\n' "CREATE DATABASE \"$database\" OWNER \"$role\" ENCODING 'UTF8'
    LOCALE '$locale' TEMPLATE template0;" | run_sql
  say "Datenbank $database angelegt (gehört $role)."
elif [ "$owner" = "$role" ]; then
  say "Die Datenbank $database gibt es schon (gehört $role)."
else
  # The program makes and upgrades its tables itself: it needs CREATE there.
  printf '%s\n' "GRANT CONNECT, TEMPORARY ON DATABASE \"$database\" TO \"$role\";" | run_sql
  printf '%s\n' "GRANT USAGE, CREATE ON SCHEMA public TO \"$role\";" | run_sql "$database"
  say "Die Datenbank $database gehört $owner; $role darf darin jetzt Tabellen anlegen."
fi

# --- what the boards enter -------------------------------------------------

address=$(hostname -I 2>/dev/null | tr ' ' '\n' | grep -E '^[0-9.]+$' | grep -v '^127\.' | head -n 1 || true)
[ -n "$address" ] || address=$(hostname)

say ""
say "Der Vereinsserver ist bereit."
say "Auf jedem Brett: \"Einstellungen\" -> \"Datenbank\" -> \"Vereinsserver\":"
say "  Server $address, Port $port, Datenbank $database, Benutzer $role"
say "Als Adresse (korvanti --db, korvanti-tool --db):"
say "  postgresql://$role@$address:$port/$database"
say "Passwort ohne Nachfrage: diese Zeile in ~/.pgpass des Brett-Benutzers,"
say "PASSWORT durch das Passwort ersetzt (vor ':' und '\\' darin ein '\\'), dann chmod 600 ~/.pgpass:"
say "  $address:$port:$database:$role:PASSWORT"
if command -v ufw >/dev/null 2>&1 && ufw status 2>/dev/null | grep -q '^Status: active'; then
  say "Die Firewall (ufw) ist an: Port $port/tcp freigeben, z. B. ufw allow $port/tcp"
fi
