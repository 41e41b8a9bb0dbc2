#!/usr/bin/env bash
# Checks the calls of scripts/club-server.sh that change nothing: it parses,
# --help names every option, and wrong options are refused with exit code 2
# and a message. Run as root, the script runs as nobody here, so a refusal
# that stopped working could never set up a server on this machine.
set -euo pipefail
script=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 0755 "$work"
install -m 0644 "$script" "$work/club-server.sh"

as_caller=()
if [ "$(id -u)" -eq 0 ]; then
  as_caller=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
run() {
  (cd "$work" && "${as_caller[@]}" bash "$work/club-server.sh" "$@") \
    >"$work/out" 2>"$work/err"
}

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

bash -n "$script" || fail "bash -n finds a syntax error"
if command -v shellcheck >/dev/null; then
  shellcheck "$script" || fail "shellcheck has findings"
fi

for call in --help -h; do
  if run "$call"; then
    for word in --role --database --port --network --listen --cluster --password --help \
        KORVANTI_PASSWORD; do
      grep -q -- "$word" "$work/out" || fail "$call does not mention $word"
    done
    [ ! -s "$work/err" ] || fail "$call writes to stderr: $(cat "$work/err")"
  else
    fail "$call ends with $?"
  fi
done

# arguments | what the message names
refusals=(
  "--bogus|Unbekannte Option: --bogus"
  "--role|--role braucht einen Wert"
  "--role Brett1|--role \"Brett1\""
  "--role x;y|--role \"x;y\""
  "--role 1brett|--role \"1brett\""
  "--role postgres|PostgreSQL vorbehalten"
  "--role pg_monitor|PostgreSQL vorbehalten"
  "--database template1|PostgreSQL vorbehalten"
  "--database=a\"b|--database \"a\"b\""
  "--port 0|--port \"0\""
  "--port 65536|--port \"65536\""
  "--port 54x|--port \"54x\""
  "--network 10.0.0.0|--network \"10.0.0.0\""
  "--network 10.0.0.0/33|--network \"10.0.0.0/33\""
  "--network 256.1.1.0/24|--network \"256.1.1.0/24\""
  "--network fd00::/129|--network \"fd00::/129\""
  "--network all|--network \"all\""
  "--listen '*'|--listen \"'*'\""
  "--cluster main-2|--cluster \"main-2\""
)
for case in "${refusals[@]}"; do
  arguments=${case%%|*}
  expected=${case#*|}
  read -r -a words <<<"$arguments"
  status=0
  run "${words[@]}" || status=$?
  [ "$status" -eq 2 ] || fail "$arguments: exit code $status instead of 2"
  grep -qF -- "$expected" "$work/err" || fail "$arguments: no \"$expected\" in: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "$arguments: writes to stdout: $(cat "$work/out")"
done

# Right options pass the checks and stop only at the missing root rights.
status=0
run --role brett_1 --database verein --port 5433 --network 192.168.1.0/24 \
  --listen 192.168.1.5,localhost --cluster main --password || status=$?
[ "$status" -eq 1 ] || fail "valid options: exit code $status instead of 1"
grep -qF "sudo bash $work/club-server.sh" "$work/err" || fail "valid options: $(cat "$work/err")"

[ $failures -eq 0 ] || exit 1
echo "club-server.sh calls ok"
