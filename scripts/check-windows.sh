#!/usr/bin/env bash
# Checks that the Windows side compiles: the toolkit-free model, Mech files included, and the Win32
# platform adapters (registry, file test), cross-compiled with mingw-w64 with every warning an
# error, and linked into a small Windows program so that the system calls resolve.
# Needs the cross compiler (package g++-mingw-w64-x86-64). Builds into build-windows/, or into
# $VEXOLAN_WINDOWS_BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1 &&
    ! command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
    echo "check-windows: the mingw-w64 cross compiler is not installed (package g++-mingw-w64-x86-64)" >&2
    exit 1
fi

build=${VEXOLAN_WINDOWS_BUILD_DIR:-build-windows}
# nlohmann::json, fast_float and {fmt} are all headers: the cross compiler takes Debian's, each
# from a folder that holds it alone, so that no other header of the build machine comes into a
# Windows compile; utfcpp's headers have a folder of their own.
headers_alone() { # FOLDER-IN-BUILD NAME HEADERS
    mkdir -p "$build/$1"
    ln -sfn "$3" "$build/$1/$2"
    (cd "$build/$1" && pwd)
}
json_include=$(headers_alone json-include nlohmann \
    "$(dirname "$(find /usr/include -path '*/nlohmann/json.hpp' -print -quit)")")
fast_float_include=$(headers_alone fast_float-include fast_float /usr/include/fast_float)
fmt_include=$(headers_alone fmt-include fmt /usr/include/fmt)
# Unoptimised: mingw-w64's GCC 12 raises false maybe-uninitialized and restrict warnings inside
# std::string once the optimiser inlines it (the same code is clean with the native compiler).
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Debug -DVEXOLAN_WERROR=ON \
    -DVEXOLAN_JSON_INCLUDE_DIR="$json_include" -DVEXOLAN_FAST_FLOAT_INCLUDE_DIR="$fast_float_include" \
    -DVEXOLAN_FMT_INCLUDE_DIR="$fmt_include" -DVEXOLAN_UTFCPP_INCLUDE_DIR=/usr/include/utf8cpp \
    -DVEXOLAN_BUILD_UI=OFF -DVEXOLAN_BUILD_TESTS=OFF -DVEXOLAN_FUZZ=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target vexolan_model vexolan_system

# The Win32 adapters, not the POSIX ones, must be what the Windows build compiled.
for adapter in win32_registry win32_file_checker; do
    if ! find "$build" -name "$adapter.cpp.obj" | grep -q .; then
        echo "check-windows: $adapter.cpp was not compiled for Windows" >&2
        exit 1
    fi
done

# Linking a program that uses each adapter makes the linker resolve their system calls.
compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")
cat >"$build/link_check.cpp" <<'CPP'
#include "platform/win32_file_checker.h"
#include "platform/win32_registry.h"

int main() {
    platform::Win32Registry registry;
    platform::Win32FileChecker files;
    platform::Registry::Key key = 0;
    const long opened = registry.openKey(0x80000002u, "SOFTWARE", 0x20019u, key);
    if (opened == 0) {
        registry.closeKey(key);
    }
    return files.exists("C:\\Windows\\notepad.exe") ? 1 : 0;
}
CPP
"$compiler" -std=c++20 -Wall -Wextra -Werror -Isrc -I"$build/src/generated" \
    "$build/link_check.cpp" -L"$build/src" -lvexolan_system -lvexolan_model \
    -o "$build/link_check.exe"

echo "check-windows: the model and the Win32 adapters compile and link for Windows"
