# shellcheck shell=bash
# What the shell checks share, sourced after `set -euo pipefail`: a scratch folder that goes, and
# programs started in the background that end, when the check ends; a count of the failed checks;
# programs written for the check.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vexolan-check.XXXXXX")
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
expect() { # what, expected, actual
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}
# Writes an executable shell script of the given lines, making its folder.
script() {
    mkdir -p "$(dirname "$1")"
    printf '%s\n' '#!/bin/sh' "${@:2}" >"$1"
    chmod +x "$1"
}
# Ends the check with how many of its checks failed.
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "$1: passed"
}
