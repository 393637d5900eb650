#!/usr/bin/env bash
# Checks that the folders of src/ include one another only downwards:
#   main.cpp > ui, web > layout > lance > assembly > the subsystems (situation, weapons, tohit,
#   declare, about, mechfile) > app > platform
# A subsystem includes app/ and platform/ but never another subsystem. Inside a folder, no file
# includes one that includes it, through any number of steps (a header and its source count as
# one). The page in web/ imports only its own modules and names no other host. Prints each
# include or import against that as FILE:LINE and each cycle, and fails; with --graph, prints
# which folder includes which.
set -euo pipefail
cd "$(dirname "$0")/.."

subsystems="situation weapons tohit declare about mechfile"
allowed() { # the folders that folder $1 may include
    case $1 in
    platform) echo "platform" ;;
    app) echo "app platform" ;;
    situation | weapons | tohit | declare | about | mechfile) echo "$1 app platform" ;;
    assembly) echo "assembly $subsystems app platform" ;;
    lance) echo "lance assembly $subsystems app platform" ;;
    layout) echo "layout lance $subsystems app platform" ;;
    ui) echo "ui layout lance assembly $subsystems app platform" ;;
    web) echo "web layout lance assembly $subsystems app platform" ;;
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

# The page in web/ stands on its own: its modules import only one another (and the module the
# build makes beside them), and nothing of it names another host, which its security policy
# would refuse and an offline visit could not reach.
while IFS=: read -r file line text; do
    echo "$file:$line: the page imports only its own modules: $text"
    status=1
done < <(grep -rnE "^[[:space:]]*import[[:space:]]|import\(" web --include='*.js' |
    grep -vE "from '\./[a-z_]+\.js';$")
while IFS=: read -r file line text; do
    echo "$file:$line: the page names another host: $text"
    status=1
done < <(grep -rnE "(https?:)?//[a-z0-9.-]+\.[a-z]{2,}/" web --include='*.js' --include='*.html' \
    --include='*.css' --include='*.webmanifest' | grep -v "^[^:]*:[0-9]*:[[:space:]]*//")

if [ "${1:-}" = "--graph" ]; then
    printf '%s\n' "${!edges[@]}" | sort
fi
if [ $status -eq 0 ]; then
    echo "check-layers: every include of src/ runs downwards, and the page imports only its own modules"
fi
exit $status
