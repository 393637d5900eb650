#!/usr/bin/env bash
# The command line as a user meets it, with no window system at all: --help and --version print
# and end the program, an option it does not know is refused while the toolkit's own pass to the
# toolkit, the manual page names the options the help lists, and run.sh starts the program with
# every argument it was given. (A start that hands its files to a running program is
# ui.program_server_test's.)
#   check_command_line.sh PROGRAM VERSION SOURCE_DIR
set -euo pipefail

: "${3:?usage: $0 PROGRAM VERSION SOURCE_DIR}"
program=$1 version=$2 source=$3
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# shellcheck source=tests/support/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"
# Runs a command; its exit status, output and error output go to status, out and err. One that
# opens a window instead of answering is stopped (status 124).
run() {
    status=0
    out=$(timeout 20 "$@" 2>"$scratch/err") || status=$?
    err=$(cat "$scratch/err")
}

# Each row: the arguments, the status, the first line of the output, the error output. The
# toolkit's own options mean nothing before the application takes them: help still prints. An
# option neither the program's nor the toolkit's is refused with no window system, the toolkit's
# own options and their values letting it through; a plain word is a file's name.
while IFS='|' read -r line code output error; do
    read -r -a arguments <<<"$line"
    run "$program" "${arguments[@]}" </dev/null
    expect "$line: status" "$code" "$status"
    expect "$line: output" "$output" "$(head -n1 <<<"$out")"
    expect "$line: error" "$error" "$err"
done <<LINES
--version|0|Vexolan $version|
-v|0|Vexolan $version|
--help|0|Usage: $program [options] [FILE...]|
-h|0|Usage: $program [options] [FILE...]|
-platform offscreen -stylesheet x.qss -reverse --help|0|Usage: $program [options] [FILE...]|
--frobnicate|2||vexolan: Unknown option 'frobnicate'.
-frobnicate|2||vexolan: Unknown option 'frobnicate'.
--help-all|2||vexolan: Unknown option 'help-all'.
-platform offscreen -style fusion -reverse --frobnicate|2||vexolan: Unknown option 'frobnicate'.
-qwindowtitle two -stylesheet=x.qss -frobnicate quillfen.vexmech|2||vexolan: Unknown option 'frobnicate'.
LINES

# The toolkit gets its own options: a platform that is not there is the toolkit's to refuse.
run "$program" -platform vexolan-nowhere -reverse
[[ ! $status =~ ^(0|2|124)$ ]] || fail "-platform vexolan-nowhere: status $status"
grep -q '"vexolan-nowhere"' <<<"$err" || fail "-platform vexolan-nowhere: the toolkit said '$err'"

# The manual page describes the very options the help lists, and no more: not the toolkit's
# --help-all, which the program refuses.
help=$(timeout 20 "$program" --help) || true
help_options=$(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
manual_options=$(grep -oE '\\-\\-[a-z][a-z-]*' "$source/packaging/vexolan.1.in" | sed 's/\\-/-/g' |
    sort -u)
expect "the manual page's options" "$help_options" "$manual_options"

# run.sh, in a copy whose set-up and build have nothing to do, started from another folder: the
# program gets every argument, in the folder run.sh was started from, where a relative name leads.
checkout=$scratch/checkout
mkdir -p "$checkout" "$scratch/elsewhere"
cp "$source/run.sh" "$checkout/"
script "$checkout/scripts/setup.sh" 'exit 0'
script "$scratch/tools/cmake" 'exit 0'
script "$checkout/build/bin/vexolan" pwd 'printf "%s\n" "$@"'
elsewhere=$(cd "$scratch/elsewhere" && pwd)
run env -C "$elsewhere" PATH="$scratch/tools:$PATH" "$checkout/run.sh" "two words.vexmech" -v
expect "run.sh: status" 0 "$status"
expect "run.sh: the program's folder and arguments" \
    "$(printf '%s\n' "$elsewhere" "two words.vexmech" -v)" "$out"

finish "command line"
