#!/usr/bin/env bash
# scripts/setup.sh, asked for everything ./test.sh needs, asks apt for nothing when every package
# is installed, a package held at its version included, and for exactly the missing packages
# otherwise. dpkg-query and apt-get are stand-ins that answer for such a system and note what is
# asked of them.
#   check_setup.sh SOURCE_DIR
# shellcheck disable=SC2016 # the stand-ins expand what is quoted for them
set -euo pipefail
source=$1
# shellcheck source=tests/support/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"

# Every package is installed and held, but those named in $MISSING, which dpkg knows nothing of.
script "$scratch/dpkg-query" 'for package in $MISSING; do' \
    '    [ "$package" != "$3" ] || { echo "dpkg-query: no packages found matching $3" >&2; exit 1; }' \
    'done' 'case $2 in *db:Status-Status*) echo installed ;; *) printf "hold ok installed" ;; esac'
script "$scratch/apt-get" 'echo "$*" >>"$APT_LOG"'
script "$scratch/sudo" 'exec "$@"'

# What the set-up asks of apt, one call a line, with the packages named in the row missing.
while IFS='|' read -r missing expected; do
    : >"$scratch/apt.log"
    env -u VEXOLAN_SETUP_EXTRA MISSING="$missing" APT_LOG="$scratch/apt.log" \
        PATH="$scratch:$PATH" "$source/scripts/setup.sh" desktop web test </dev/null >/dev/null ||
        fail "setup.sh failed"
    expect "apt, asked with '$missing' missing" "$(printf '%b' "$expected")" \
        "$(cat "$scratch/apt.log")"
done <<'ROWS'
|
cmake lintian|update\ninstall -y --no-install-recommends cmake lintian
ROWS
finish "set-up"
