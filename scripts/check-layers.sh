#!/usr/bin/env bash
# Checks that the folders of src/ include one another only downwards:
#   main.cpp > ui, web > layout, assembly > the subsystems (situation, weapons, tohit,
#   declare, about, mechfile) > app > platform
# A subsystem includes app/ and platform/ but never another subsystem. Inside a folder, no file
# includes one that includes it, through any number of steps (a header and its source count as
# one). Prints each include against that order as FILE:LINE and each cycle, and fails; with
# --graph, prints which folder includes which.
set -euo pipefail
cd "$(dirname "$0")/.."

subsystems="situation weapons tohit declare about mechfile"
allowed() { # the folders that folder $1 may include
    case $1 in
    platform) echo "platform" ;;
    app) echo "app platform" ;;
    situation | weapons | tohit | declare | about | mechfile) echo "$1 app platform" ;;
    assembly) echo "assembly $subsystems app platform" ;;
    layout) echo "layout $subsystems app platform" ;;
    ui) echo "ui layout assembly $subsystems app platform" ;;
    web) echo "web layout assembly $subsystems app platform" ;;
    main.cpp) echo "ui" ;;
    *) echo "" ;;
    esac
}

status=0
declare -A edges=()
units=() # "includer included" pairs of files of one folder, without their extensions
while IFS=: read -r file line text; do
    from=${file#src/}
    from=${from%%/*}
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")
    [[ $target == */* ]] || continue # a file beside the includer
    to=${target%%/*}
    [ "$from" = "$to" ] || edges["$from -> $to"]=1
    if [ "$from" = "$to" ]; then
        unit=${file#src/}
        units+=("${unit%.*} ${target%.*}")
    fi
    if ! [[ " $(allowed "$from") " == *" $to "* ]]; then
        echo "$file:$line: $from/ may not include $target"
        status=1
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src --include='*.h' \
    --include='*.cpp' --include='*.in')

# tsort names the files of a cycle on its error output; a file including its own header is no
# cycle.
cycles=$(printf '%s\n' "${units[@]}" | awk '$1 != $2' | tsort 2>&1 >/dev/null || true)
if [ -n "$cycles" ]; then
    echo "Files of one folder that include one another:"
    grep -v 'input contains a loop' <<<"$cycles" | sed -E 's/^tsort: /  /'
    status=1
fi

if [ "${1:-}" = "--graph" ]; then
    printf '%s\n' "${!edges[@]}" | sort
fi
if [ $status -eq 0 ]; then
    echo "check-layers: every include of src/ runs downwards"
fi
exit $status
