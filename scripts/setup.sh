#!/usr/bin/env bash
# Installs what a command needs on Debian 12, and only what is missing.
#   setup.sh [--list] NEED...
# NEED is what the command does: desktop (build and run the Qt program), web (build the page as
# WebAssembly and serve it), test (run every test and check). ./run.sh asks for desktop,
# ./run.sh --web for web, ./test.sh for all three. --list prints the packages the needs name, one
# a line, installed or not, and installs nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
    echo "usage: $0 [--list] desktop|web|test..." >&2
    exit 2
}

# The Debian packages of each need. node and npm are commands rather than packages (see below):
# they are named here by the packages apt brings them with.
packages_of() {
    case $1 in
    desktop)
        # The compiler, Qt, the Mech files' JSON, and the fonts the sheet's captions use.
        echo cmake make g++ pkg-config
        echo qt6-base-dev qt6-base-dev-tools libgl-dev
        echo nlohmann-json3-dev libfast-float-dev libfmt-dev libutfcpp-dev
        echo fontconfig fonts-dejavu-core fonts-dejavu-extra
        ;;
    web)
        # The WebAssembly build of the model (em++), and node, which writes the page's layout
        # at build time and serves the page.
        echo cmake make nlohmann-json3-dev libfast-float-dev libfmt-dev libutfcpp-dev
        echo emscripten nodejs
        ;;
    test)
        # The tests and the benchmark, the model's tests built from GoogleTest's sources as
        # WebAssembly, the fuzz targets' clang and libFuzzer, the checks of the installation
        # and the package, and the browser the page's tests drive through npm's packages.
        echo libgtest-dev libgmock-dev googletest libbenchmark-dev
        echo clang libclang-rt-14-dev
        echo desktop-file-utils appstream shared-mime-info lintian
        echo chromium npm
        ;;
    esac
}

list=0
if [ "${1:-}" = "--list" ]; then
    list=1
    shift
fi
[ $# -ne 0 ] || usage
needs=("$@")

# Each package once, in the order the needs name them.
packages=()
for need in "${needs[@]}"; do
    case $need in
    desktop | web | test) ;;
    *) usage ;;
    esac
    read -r -a named <<<"$(packages_of "$need" | tr '\n' ' ')"
    for package in "${named[@]}"; do
        if [[ " ${packages[*]} " != *" $package "* ]]; then
            packages+=("$package")
        fi
    done
done
if [ "${VEXOLAN_SETUP_EXTRA:-}" != "" ]; then
    read -r -a extra <<<"$VEXOLAN_SETUP_EXTRA"
    packages+=("${extra[@]}")
fi

if [ $list -eq 1 ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

# Whether the package is installed, whatever is wanted of it: a package held at its version is
# "hold ok installed", and needs nothing from apt.
installed() {
    local state
    state=$(dpkg-query -W -f='${db:Status-Status}\n' "$1" 2>/dev/null) || return 1
    grep -qx installed <<<"$state"
}

# Node and npm may come from elsewhere than Debian (NodeSource's nodejs package, which brings
# its own npm, or a tarball): the commands count, not the packages. emscripten depends on
# "nodejs (>= 12)": NodeSource's package meets that and apt leaves it as it is; where node is
# no package at all, apt adds Debian's node 18 in /usr/bin, and the node first on the PATH
# stays the one that runs.
present() {
    case $1 in
    nodejs) command -v node >/dev/null 2>&1 ;;
    npm) command -v npm >/dev/null 2>&1 ;;
    *) installed "$1" ;;
    esac
}

missing=()
for package in "${packages[@]}"; do
    if ! present "$package"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -ne 0 ]; then
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The node packages the browser tests use, exactly as package-lock.json names them; they drive
# the installed Chromium and download no browser. Installed again only when the lock changed.
if [[ " ${needs[*]} " == *" test "* ]]; then
    stamp=node_modules/.vexolan-package-lock.json
    if ! cmp -s package-lock.json "$stamp"; then
        echo "Installing the node packages of package-lock.json"
        npm ci --no-audit --no-fund
        cp package-lock.json "$stamp"
    fi
fi
