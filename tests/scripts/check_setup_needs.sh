#!/usr/bin/env bash
# Each command installs what it needs and no more: ./run.sh the desktop program's packages, not
# emscripten, Chromium, lintian or clang; ./run.sh --web the page's, not Chromium; ./test.sh
# everything. And only ./test.sh makes warnings errors. run.sh and test.sh run in a copy of the
# checkout where scripts/setup.sh, the checks, cmake, ctest, emcmake, node and the program are
# stand-ins that note how they were called; the real setup.sh then lists what those needs name.
#   check_setup_needs.sh SOURCE_DIR
set -euo pipefail
source=$1
# shellcheck source=tests/support/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"

checkout=$scratch/checkout bin=$scratch/bin
mkdir -p "$checkout/build-web" "$checkout/build-asan"
cp "$source/run.sh" "$source/test.sh" "$checkout/"
# Stand-ins that note their name and arguments, one call a line, and succeed.
for stand_in in checkout/scripts/{setup,check-layers,check-windows,check-lintian}.sh \
    checkout/build/bin/vexolan bin/cmake bin/ctest bin/node; do
    script "$scratch/$stand_in" "echo \"${stand_in##*/} \$*\" >>\"\$CALLS\""
done
# shellcheck disable=SC2016 # the stand-in expands them
script "$bin/emcmake" 'echo "emcmake $*" >>"$CALLS"' 'exec "$@"'

# Each row: a command, the needs it asks setup.sh for, packages the real setup.sh must list for
# those needs, packages it must not, and options of every build the command configures (./run.sh
# builds as the user would, warnings and all, and no test; ./test.sh's builds stop at the first
# warning).
while IFS='|' read -r command needs wanted unwanted options; do
    read -r -a words <<<"$command"
    : >"$scratch/calls"
    env CALLS="$scratch/calls" PATH="$bin:$PATH" VEXOLAN_SANITIZER_TESTS=1 \
        "$checkout/${words[0]}" "${words[@]:1}" </dev/null >/dev/null || fail "$command failed"
    asked=$(sed -n 's/^setup\.sh //p' "$scratch/calls")
    expect "$command: the needs it asks setup.sh for" "$needs" "$asked"
    # shellcheck disable=SC2086 # one need a word
    list=$("$source/scripts/setup.sh" --list $asked)
    # shellcheck disable=SC2086 # one package a word
    expect "$command: of the packages it needs, those it does not install" "" \
        "$(comm -23 <(printf '%s\n' $wanted | sort) <(sort <<<"$list") | xargs)"
    # shellcheck disable=SC2086 # one package a word
    expect "$command: packages it installs without a need" "" \
        "$(comm -12 <(printf '%s\n' $unwanted | sort) <(sort <<<"$list") | xargs)"
    # The arguments of each configure: a cmake call that names a build folder.
    configures=$(grep -E '^cmake .*-B ' "$scratch/calls") || fail "$command configured no build"
    for option in $options; do
        ! lacking=$(grep -v -- "$option" <<<"$configures") ||
            fail "$command configured without $option: $lacking"
    done
done <<'COMMANDS'
run.sh --version|desktop|g++ qt6-base-dev nlohmann-json3-dev fonts-dejavu-extra|emscripten chromium lintian clang nodejs npm libgtest-dev googletest|-DVEXOLAN_WERROR=OFF -DVEXOLAN_BUILD_TESTS=OFF
run.sh --web|web|emscripten nodejs nlohmann-json3-dev|chromium lintian clang qt6-base-dev libgtest-dev|-DVEXOLAN_WERROR=OFF -DVEXOLAN_BUILD_TESTS=OFF
test.sh|desktop web test|qt6-base-dev emscripten nodejs chromium npm lintian clang libgtest-dev googletest||-DVEXOLAN_WERROR=ON
COMMANDS

# The other scripts that install through setup.sh name what they need too: without a need it
# stops with its usage.
while IFS=: read -r file line call; do
    [[ $call =~ setup\.sh(\ (desktop|web|test))+$ ]] ||
        fail "$file:$line calls setup.sh without a need: $call"
done < <(cd "$source" && grep -rnE '\./scripts/setup\.sh' run.sh test.sh scripts .ci)
finish "set-up needs"
