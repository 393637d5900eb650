#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and only what is missing.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    nlohmann-json3-dev
    clang libclang-rt-14-dev
    desktop-file-utils appstream shared-mime-info lintian
    fontconfig fonts-dejavu-core fonts-dejavu-extra
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
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
