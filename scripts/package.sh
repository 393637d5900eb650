#!/usr/bin/env bash
# Builds the Debian package out/vexolan_<version>_<architecture>.deb: an optimised and hardened
# build of the program, installed under /usr, depending on the packages of the libraries it links.
# Install it with: apt install ./out/vexolan_<version>_<architecture>.deb
# Builds into build-package/, or into $VEXOLAN_PACKAGE_BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (package dpkg-dev) finds the packages the program's libraries come from.
VEXOLAN_SETUP_EXTRA="dpkg-dev ${VEXOLAN_SETUP_EXTRA:-}" ./scripts/setup.sh desktop

build=${VEXOLAN_PACKAGE_BUILD_DIR:-build-package}
# Built with Debian's hardening, as dpkg-buildflags gives it to every package: fortified
# functions, a stack protector, relocations made read-only and bound at start-up.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
compile_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
link_flags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVEXOLAN_BUILD_TESTS=OFF -DVEXOLAN_FUZZ=OFF \
    -DCMAKE_CXX_FLAGS="$compile_flags" -DCMAKE_EXE_LINKER_FLAGS="$link_flags"
cmake --build "$build" -j"$(nproc)" --target vexolan vexolan_documents

rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB)
mkdir -p out
for package in "$build"/*.deb; do
    cp "$package" out/
    echo "Built out/$(basename "$package")"
done
