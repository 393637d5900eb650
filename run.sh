#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it with the arguments given: Mech
# files to open, each on a sheet of its own, or --help or --version.
set -euo pipefail
checkout=$(cd "$(dirname "$0")" && pwd)
(
    cd "$checkout"
    ./scripts/setup.sh
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$(nproc)"
)
# From the folder run.sh was started in, where the names of Mech files given relative lead.
exec "$checkout/build/bin/vexolan" "$@"
