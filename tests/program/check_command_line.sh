#!/usr/bin/env bash
# The command line as a user meets it, with no window system at all: --help and --version print
# and end the program, an option it does not know is refused while the toolkit's own pass to the
# toolkit, the manual page names the options the help lists, a start while the program runs hands
# its file over and ends, and run.sh starts the program with every argument it was given.
#   check_command_line.sh PROGRAM VERSION SOURCE_DIR
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: $0 PROGRAM VERSION SOURCE_DIR" >&2
    exit 2
fi
program=$1 version=$2 source=$3
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vexolan-command-line.XXXXXX")
first=
trap '[ -z "$first" ] || kill "$first" 2>/dev/null; rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
expect() { # what, expected, actual
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}
# Runs a command; its exit status, output and error output go to status, out and err. One that
# opens a window instead of answering is stopped (status 124).
run() {
    status=0
    out=$(timeout 20 "$@" 2>"$scratch/err") || status=$?
    err=$(cat "$scratch/err")
}

for option in --version -v; do
    run "$program" "$option"
    expect "$option: status" 0 "$status"
    expect "$option: output" "Vexolan $version" "$out"
done

# The toolkit's own options mean nothing before the application takes them: help still prints.
for line in "--help" "-h" "-platform offscreen -stylesheet x.qss -reverse --help"; do
    read -r -a arguments <<<"$line"
    run "$program" "${arguments[@]}"
    expect "$line: status" 0 "$status"
    expect "$line: usage" "Usage: $program [options] [FILE...]" "$(head -n1 <<<"$out")"
done
help=$out
! grep -q -- "--help-all" <<<"$help" || fail "--help advertises --help-all"

# An option neither the program's nor the toolkit's is refused with no window system, the
# toolkit's own options and their values letting it through; a plain word is a file's name.
while IFS='|' read -r unknown line; do
    read -r -a arguments <<<"$line"
    run "$program" "${arguments[@]}"
    expect "$line: status" 2 "$status"
    expect "$line: error" "vexolan: Unknown option '$unknown'." "$err"
    expect "$line: output" "" "$out"
done <<'LINES'
frobnicate|--frobnicate
frobnicate|-frobnicate
help-all|--help-all
frobnicate|-platform offscreen -style fusion -reverse --frobnicate
frobnicate|-qwindowtitle two -stylesheet=x.qss -frobnicate quillfen.vexmech
LINES

# The toolkit gets its own options: a platform that is not there is the toolkit's to refuse.
run "$program" -platform vexolan-nowhere -reverse
case $status in
0 | 2 | 124) fail "-platform vexolan-nowhere: status $status" ;;
esac
grep -q '"vexolan-nowhere"' <<<"$err" || fail "-platform vexolan-nowhere: the toolkit said '$err'"

# The manual page describes the very options the help lists.
help_options=$(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
manual_options=$(grep -oE '\\-\\-[a-z][a-z-]*' "$source/packaging/vexolan.1.in" | sed 's/\\-/-/g' |
    sort -u)
expect "the manual page's options" "$help_options" "$manual_options"

# The program runs on the offscreen platform, listening under a server name of this test's own;
# a second start with a file hands it over and ends at once, and the first keeps running. Without
# the handover, the second would open a sheet and run until it is stopped.
server=$scratch/server
QT_QPA_PLATFORM=offscreen VEXOLAN_SERVER=$server "$program" >/dev/null 2>&1 &
first=$!
for _ in $(seq 300); do
    [ ! -S "$server" ] || break
    sleep 0.1
done
[ -S "$server" ] || fail "the running program does not listen at $server"
run env QT_QPA_PLATFORM=offscreen VEXOLAN_SERVER="$server" "$program" "$source/docs/quillfen.vexmech"
expect "a second start: status" 0 "$status"
kill -0 "$first" 2>/dev/null || fail "the running program ended when a second one started"
kill "$first"
wait "$first" || true
first=

# run.sh, in a copy whose set-up and build have nothing to do, started from another folder: the
# program gets every argument, in the folder run.sh was started from, where a relative name leads.
checkout=$scratch/checkout
mkdir -p "$checkout/scripts" "$checkout/build/bin" "$scratch/tools" "$scratch/elsewhere"
cp "$source/run.sh" "$checkout/"
printf '#!/bin/sh\nexit 0\n' >"$checkout/scripts/setup.sh"
printf '#!/bin/sh\nexit 0\n' >"$scratch/tools/cmake"
printf '#!/bin/sh\npwd\nprintf "%%s\\n" "$@"\n' >"$checkout/build/bin/vexolan"
chmod +x "$checkout/run.sh" "$checkout/scripts/setup.sh" "$scratch/tools/cmake" \
    "$checkout/build/bin/vexolan"
elsewhere=$(cd "$scratch/elsewhere" && pwd)
run env -C "$elsewhere" PATH="$scratch/tools:$PATH" "$checkout/run.sh" "two words.vexmech" -v
expect "run.sh: status" 0 "$status"
expect "run.sh: the program's folder and arguments" \
    "$(printf '%s\n' "$elsewhere" "two words.vexmech" -v)" "$out"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "command line: passed"
