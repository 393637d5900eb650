#!/usr/bin/env bash
# Checks the Debian package with lintian: it must report no errors and no hardening missing from
# the program (hardening-* tags); its other warnings and notes are shown.
#   check-lintian.sh [PACKAGE.deb]      (default: the package scripts/package.sh builds now)
# Where lintian is not installed (Debian package lintian), says so and passes.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v lintian >/dev/null 2>&1; then
    echo "check-lintian: SKIPPED, lintian is not installed (Debian package lintian)"
    exit 0
fi
package=${1:-}
if [ -z "$package" ]; then
    ./scripts/package.sh
    package=$(ls -t out/vexolan_*.deb | head -n1)
fi

status=0
output=$(lintian --info --display-info "$package" 2>&1) || status=$?
echo "$output"
if grep -q '^E:' <<<"$output" || [ $status -gt 1 ]; then
    echo "check-lintian: lintian found errors in $package" >&2
    exit 1
fi
if grep -q '^[EWI]: [^ ]* hardening-' <<<"$output"; then
    echo "check-lintian: the program in $package lacks hardening" >&2
    exit 1
fi
echo "check-lintian: no errors and no hardening missing in $(basename "$package")"
