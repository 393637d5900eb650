#!/usr/bin/env bash
# Each command installs what it needs and no more: ./run.sh the desktop program's packages, not
# emscripten, Chromium, lintian or clang; ./run.sh --web the page's, not Chromium; ./test.sh
# everything. And only ./test.sh makes warnings errors. run.sh and test.sh run in a copy of the
# checkout where scripts/setup.sh, the checks, cmake, ctest, emcmake, node and the program are
# stand-ins that note how they were called; the real setup.sh then lists what those needs name.
#   check_setup_needs.sh SOURCE_DIR
set -euo pipefail

source=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vexolan-setup-needs.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

checkout=$scratch/checkout
bin=$scratch/bin
mkdir -p "$checkout/scripts" "$checkout/build/bin" "$checkout/build-web" "$checkout/build-asan" \
    "$bin"
cp "$source/run.sh" "$source/test.sh" "$checkout/"
# A stand-in that notes its name and arguments, one call a line, and succeeds.
stand_in() {
    printf '#!/bin/sh\necho "%s $*" >>"$CALLS"\n' "$(basename "$1")" >"$1"
    chmod +x "$1"
}
for script in setup.sh check-layers.sh check-windows.sh check-lintian.sh; do
    stand_in "$checkout/scripts/$script"
done
for command in cmake ctest node; do
    stand_in "$bin/$command"
done
stand_in "$checkout/build/bin/vexolan"
printf '#!/bin/sh\necho "emcmake $*" >>"$CALLS"\nexec "$@"\n' >"$bin/emcmake"
chmod +x "$bin/emcmake"

# Runs a command of the copied checkout; how it called the stand-ins goes to the file named
# first, one call a line.
note_calls() {
    local notes=$1
    shift
    env CALLS="$notes" PATH="$bin:$PATH" VEXOLAN_SANITIZER_TESTS=1 "$@" >/dev/null ||
        fail "$(basename "$1") ${2:-} failed"
    touch "$notes"
}
needs_of() {
    sed -n 's/^setup\.sh //p' <<<"$1"
}
# The arguments of each configure (a cmake call that names a build folder), one a line.
configures_of() {
    grep -E '^cmake .*-B ' <<<"$1" || true
}

note_calls "$scratch/run" "$checkout/run.sh" --version
note_calls "$scratch/run-web" "$checkout/run.sh" --web
note_calls "$scratch/test" "$checkout/test.sh"
run=$(cat "$scratch/run")
run_web=$(cat "$scratch/run-web")
test_run=$(cat "$scratch/test")

# Which needs each command names.
check_needs() {
    local command=$1 actual
    actual=$(needs_of "$2")
    [ "$actual" = "$3" ] || fail "$command asked setup.sh for '$actual', not '$3'"
}
check_needs run.sh "$run" desktop
check_needs "run.sh --web" "$run_web" web
check_needs test.sh "$test_run" "desktop web test"

# What the real setup.sh lists for those needs: what must be there, what must not.
listed() {
    local needs
    read -r -a needs <<<"$(needs_of "$1")"
    "$source/scripts/setup.sh" --list "${needs[@]}"
}
check_list() {
    local command=$1 list=$2 wanted=$3 unwanted=$4 package
    for package in $wanted; do
        grep -qx "$package" <<<"$list" || fail "$command does not install $package"
    done
    for package in $unwanted; do
        if grep -qx "$package" <<<"$list"; then
            fail "$command installs $package, which it does not need"
        fi
    done
}
check_list run.sh "$(listed "$run")" "g++ qt6-base-dev nlohmann-json3-dev fonts-dejavu-extra" \
    "emscripten chromium lintian clang nodejs npm libgtest-dev googletest"
check_list "run.sh --web" "$(listed "$run_web")" "emscripten nodejs nlohmann-json3-dev" \
    "chromium lintian clang qt6-base-dev libgtest-dev"
check_list test.sh "$(listed "$test_run")" \
    "qt6-base-dev emscripten nodejs chromium npm lintian clang libgtest-dev googletest" ""

# ./run.sh builds as the user would, warnings and all, and no test; ./test.sh's builds stop at
# the first warning.
check_configures() {
    local command=$1 configures configure option
    configures=$(configures_of "$2")
    shift 2
    [ -n "$configures" ] || fail "$command configured no build"
    while read -r configure; do
        for option in "$@"; do
            grep -q -- "$option" <<<"$configure" ||
                fail "$command configured without $option: $configure"
        done
    done <<<"$configures"
}
check_configures run.sh "$run" -DVEXOLAN_WERROR=OFF -DVEXOLAN_BUILD_TESTS=OFF
check_configures "run.sh --web" "$run_web" -DVEXOLAN_WERROR=OFF -DVEXOLAN_BUILD_TESTS=OFF
check_configures test.sh "$test_run" -DVEXOLAN_WERROR=ON

# The other scripts that install through setup.sh name what they need too: without a need it
# stops with its usage.
while IFS=: read -r file line call; do
    [[ $call =~ setup\.sh(\ (desktop|web|test))+$ ]] ||
        fail "$file:$line calls setup.sh without a need: $call"
done < <(cd "$source" && grep -rnE '\./scripts/setup\.sh' run.sh test.sh scripts .ci)

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "set-up needs: passed"
