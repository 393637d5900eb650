#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    nlohmann-json3-dev libfast-float-dev libfmt-dev libutfcpp-dev
    clang libclang-rt-14-dev
    desktop-file-utils appstream shared-mime-info lintian
    fontconfig fonts-dejavu-core fonts-dejavu-extra
    # The WebAssembly build of the model (em++), and the browser its page is tested in.
    emscripten chromium
)
if [ "${VEXOLAN_SETUP_EXTRA:-}" != "" ]; then
    read -r -a extra <<<"$VEXOLAN_SETUP_EXTRA"
    packages+=("${extra[@]}")
fi

# Whether the package is installed, whatever is wanted of it: a package held at its version is
# "hold ok installed", and needs nothing from apt.
installed() {
    local state
    state=$(dpkg-query -W -f='${db:Status-Status}\n' "$1" 2>/dev/null) || return 1
    grep -qx installed <<<"$state"
}

missing=()
for package in "${packages[@]}"; do
    if ! installed "$package"; then
        missing+=("$package")
    fi
done
# Node and npm may come from elsewhere than Debian (NodeSource's nodejs package, which brings
# its own npm, or a tarball): the commands count, not the packages. emscripten depends on
# "nodejs (>= 12)": NodeSource's package meets that and apt leaves it as it is; where node is
# no package at all, apt adds Debian's node 18 in /usr/bin, and the node first on the PATH
# stays the one that runs.
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)

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
stamp=node_modules/.vexolan-package-lock.json
if ! cmp -s package-lock.json "$stamp"; then
    echo "Installing the node packages of package-lock.json"
    npm ci --no-audit --no-fund
    cp package-lock.json "$stamp"
fi
