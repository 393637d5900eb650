#!/usr/bin/env bash
# scripts/setup.sh, asked for everything ./test.sh needs, asks apt for nothing when every package
# is installed, a package held at its version included, and for exactly the missing packages
# otherwise. dpkg-query and apt-get are stand-ins that answer for such a system and note what is
# asked of them.
#   check_setup.sh SOURCE_DIR
set -euo pipefail

source=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vexolan-setup.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Every package is installed and held, but those named in $MISSING, which dpkg knows nothing of.
cat >"$scratch/dpkg-query" <<'STUB'
#!/bin/sh
for package in $MISSING; do
    if [ "$package" = "$3" ]; then
        echo "dpkg-query: no packages found matching $3" >&2
        exit 1
    fi
done
case $2 in
*db:Status-Status*) echo installed ;;
*) printf 'hold ok installed' ;;
esac
STUB
printf '#!/bin/sh\necho "$*" >>"$APT_LOG"\n' >"$scratch/apt-get"
printf '#!/bin/sh\nexec "$@"\n' >"$scratch/sudo"
chmod +x "$scratch/dpkg-query" "$scratch/apt-get" "$scratch/sudo"

# Runs the set-up with these packages missing; what it asked of apt, one call a line.
asked() {
    : >"$scratch/apt.log"
    env -u VEXOLAN_SETUP_EXTRA MISSING="$1" APT_LOG="$scratch/apt.log" \
        PATH="$scratch:$PATH" "$source/scripts/setup.sh" desktop web test >/dev/null ||
        fail "setup.sh failed"
    cat "$scratch/apt.log"
}

[ -z "$(asked "")" ] || fail "apt was asked for something although everything is installed"
expected=$(printf '%s\n' update "install -y --no-install-recommends cmake lintian")
[ "$(asked "cmake lintian")" = "$expected" ] || fail "apt was not asked for exactly the missing"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "set-up: passed"
