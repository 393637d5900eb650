#!/usr/bin/env bash
# Plays the same seeded random user actions on a lance of sheets, on the native model and on the
# WebAssembly model, and compares what they print (the turn, the lance's declaration, every
# control of every sheet and its messages after each action, the range charts), byte for byte.
#   compare_sheet_dumps.sh NATIVE_SHEET_DUMP NODE WEB_SHEET_DUMP_JS
# VEXOLAN_DUMP_RUNS runs (60) of VEXOLAN_DUMP_ACTIONS actions (300) each.
set -euo pipefail
native=$1 node=$2 web=$3
runs=${VEXOLAN_DUMP_RUNS:-60} actions=${VEXOLAN_DUMP_ACTIONS:-300}

# Without the native side there is nothing to compare: skipped (ctest's SKIP_RETURN_CODE).
if [ ! -x "$native" ]; then
    echo "compare_sheet_dumps: skipped, no native sheet_dump at $native; build the native tree" \
        "first (cmake --build build --target sheet_dump) or name it with" \
        "-DVEXOLAN_NATIVE_BUILD_DIR" >&2
    exit 77
fi
# shellcheck source=tests/support/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"
"$native" "$runs" "$actions" >"$scratch/native.txt"
"$node" "$web" "$runs" "$actions" >"$scratch/web.txt"

# A side that stopped early would leave less to compare, not a difference.
for side in native web; do
    expect "the $side sheet_dump's runs" "$runs" \
        "$(grep -c '^== seed ' "$scratch/$side.txt" || true)"
done
if [ "$failures" -eq 0 ] && ! cmp -s "$scratch/native.txt" "$scratch/web.txt"; then
    fail "the WebAssembly model ends elsewhere than the native one:"
    diff -u "$scratch/native.txt" "$scratch/web.txt" | head -40 || true
fi
finish "compare_sheet_dumps: $runs runs of $actions actions, $(wc -l <"$scratch/native.txt") lines"
