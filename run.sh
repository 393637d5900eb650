#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it with the arguments given: Mech
# files to open, each on a sheet of its own, or --help or --version. `./run.sh --web` builds the
# browser version instead and serves it on 127.0.0.1, port 8080 or $VEXOLAN_WEB_PORT. Each
# installs and builds what it starts, no test: ./test.sh builds the same folders with the tests
# and with every warning an error, and this turns both off again.
set -euo pipefail
checkout=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" = "--web" ]; then
    cd "$checkout"
    ./scripts/setup.sh web
    emcmake cmake -S . -B build-web -DVEXOLAN_BUILD_TESTS=OFF -DVEXOLAN_WERROR=OFF >/dev/null
    cmake --build build-web -j"$(nproc)" --target vexolan_web_page
    exec node scripts/serve-web.mjs build-web/page "${VEXOLAN_WEB_PORT:-8080}"
fi
(
    cd "$checkout"
    ./scripts/setup.sh desktop
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXOLAN_BUILD_TESTS=OFF \
        -DVEXOLAN_BUILD_BENCH=OFF -DVEXOLAN_WERROR=OFF
    cmake --build build -j"$(nproc)"
)
# From the folder run.sh was started in, where the names of Mech files given relative lead.
exec "$checkout/build/bin/vexolan" "$@"
