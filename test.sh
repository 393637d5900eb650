#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: in the normal build, in the
# WebAssembly build of the model, then in a build with the sanitizers. Every build here makes
# any compiler warning an error (VEXOLAN_WERROR).
set -euo pipefail
cd "$(dirname "$0")"
# No build of the run may warn, the linkers included, which -Werror does not stop: its whole
# output is kept, to be searched at the end.
log=$(mktemp "${TMPDIR:-/tmp}/vexolan-test.XXXXXX")
trap 'rm -f "$log" "$log.warnings"' EXIT
exec > >(tee "$log") 2>&1
./scripts/setup.sh desktop web test
# The folders of src/ include one another only downwards.
./scripts/check-layers.sh
# The page (its JavaScript, style sheet and HTML), its tests and the scripts, as ESLint and
# Prettier want them.
npx eslint .
npx prettier --check .
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXOLAN_BUILD_TESTS=ON \
    -DVEXOLAN_BUILD_BENCH=ON -DVEXOLAN_WERROR=ON
cmake --build build -j"$(nproc)"
# The Windows side compiles too, where the mingw-w64 cross compiler is installed.
if command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1; then
    ./scripts/check-windows.sh
else
    echo "Skipped the Windows cross-compile check: x86_64-w64-mingw32-g++ is not installed (package g++-mingw-w64-x86-64)"
fi
ctest --test-dir build --output-on-failure -j"$(nproc)" | tee build/ctest.log
# The Debian package passes lintian without errors or missing hardening, where lintian is
# installed.
if command -v lintian >/dev/null 2>&1; then
    ./scripts/check-lintian.sh
else
    echo "Skipped the package check: lintian is not installed (package lintian)"
fi

# The model, its layout and its tests once more as WebAssembly (emscripten), into build-web/, run
# under node; the seeded random runs there are compared with this native build's.
emcmake cmake -S . -B build-web -DVEXOLAN_BUILD_TESTS=ON -DVEXOLAN_WERROR=ON \
    -DVEXOLAN_NATIVE_BUILD_DIR="$PWD/build" >/dev/null
cmake --build build-web -j"$(nproc)"
ctest --test-dir build-web --output-on-failure -j"$(nproc)" | tee build-web/ctest.log

# The same tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer, leak
# detection included, into build-asan/. VEXOLAN_SANITIZER_TESTS=0 skips this.
if [ "${VEXOLAN_SANITIZER_TESTS:-1}" != 0 ]; then
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVEXOLAN_SANITIZE=ON \
        -DVEXOLAN_BUILD_BENCH=OFF -DVEXOLAN_WERROR=ON
    cmake --build build-asan -j"$(nproc)"
    export ASAN_OPTIONS="detect_leaks=1:${ASAN_OPTIONS:-}"
    export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)" | tee build-asan/ctest.log
    echo "Normal build:    $(grep 'tests passed' build/ctest.log)"
    echo "WebAssembly:     $(grep 'tests passed' build-web/ctest.log)"
    echo "Sanitizer build: $(grep 'tests passed' build-asan/ctest.log)"
fi

# What the compilers and linkers warned of, in any build above: -Werror stops a compiler's
# warning where it is made, but not the linkers' ("ld: warning:", "wasm-ld: warning:", "emcc:
# warning:"), which only this finds (a build brought up to date compiles only what changed, so
# a clean clone, as in CI, sees every file).
if grep -E ': warning: ' "$log" >"$log.warnings"; then
    echo "test.sh: the builds warned:" >&2
    cat "$log.warnings" >&2
    exit 1
fi
