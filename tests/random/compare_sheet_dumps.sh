#!/usr/bin/env bash
# Plays the same seeded random user actions on the native model and on the WebAssembly model and
# compares the sheets after each run (every control, the messages, the range chart), byte for
# byte.
#   compare_sheet_dumps.sh NATIVE_SHEET_DUMP NODE WEB_SHEET_DUMP_JS
# VEXOLAN_DUMP_RUNS runs (200) of VEXOLAN_DUMP_ACTIONS actions (500) each.
set -euo pipefail
native=$1
node=$2
web=$3
runs=${VEXOLAN_DUMP_RUNS:-200}
actions=${VEXOLAN_DUMP_ACTIONS:-500}

# Without the native side there is nothing to compare: skipped (ctest's SKIP_RETURN_CODE).
if [ ! -x "$native" ]; then
    echo "compare_sheet_dumps: skipped, no native sheet_dump at $native; build the native tree" \
        "first (cmake --build build --target sheet_dump) or name it with" \
        "-DVEXOLAN_NATIVE_BUILD_DIR" >&2
    exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$native" "$runs" "$actions" >"$out/native.txt"
"$node" "$web" "$runs" "$actions" >"$out/web.txt"

# A side that stopped early would leave less to compare, not a difference.
for side in native web; do
    printed=$(grep -c '^== seed ' "$out/$side.txt" || true)
    if [ "$printed" != "$runs" ]; then
        echo "compare_sheet_dumps: the $side sheet_dump printed $printed of $runs runs" >&2
        exit 1
    fi
done
if ! cmp -s "$out/native.txt" "$out/web.txt"; then
    echo "compare_sheet_dumps: the WebAssembly model ends elsewhere than the native one:" >&2
    diff -u "$out/native.txt" "$out/web.txt" | head -40 >&2
    exit 1
fi
echo "compare_sheet_dumps: $runs runs of $actions actions end alike," \
    "$(wc -l <"$out/native.txt") lines, $(wc -c <"$out/native.txt") bytes"
