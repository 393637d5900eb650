#!/usr/bin/env bash
# Checks the Debian package for real: installs it with apt, starts /usr/bin/vexolan on a virtual
# display, opens the help through the menu, keeps a screenshot, and removes the package again
# (unless it was installed before). Needs root or sudo; changes the machine's packages.
#   check-package.sh [PACKAGE.deb]      (default: the newest out/vexolan_*.deb)
# The virtual display is :96, or $VEXOLAN_CHECK_DISPLAY; the screenshot goes to
# /tmp/deb-help.png, or $VEXOLAN_CHECK_SCREENSHOT.
set -euo pipefail
cd "$(dirname "$0")/.."

package=${1:-$(ls -t out/vexolan_*.deb 2>/dev/null | head -n1)}
if [ -z "$package" ] || [ ! -f "$package" ]; then
    echo "check-package: no package; build one with scripts/package.sh" >&2
    exit 1
fi
display=${VEXOLAN_CHECK_DISPLAY:-:96}
screenshot=${VEXOLAN_CHECK_SCREENSHOT:-/tmp/deb-help.png}

VEXOLAN_SETUP_EXTRA="xvfb xdotool imagemagick ${VEXOLAN_SETUP_EXTRA:-}" \
    ./scripts/setup.sh desktop
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

installed_before=no
if dpkg-query -W -f='${Status}' vexolan 2>/dev/null | grep -q "install ok installed"; then
    installed_before=yes
fi
xvfb_pid="" program_pid=""
finish() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    if [ "$installed_before" = no ]; then
        "${sudo[@]}" apt-get remove -y vexolan >/dev/null || true
    fi
}
trap finish EXIT

"${sudo[@]}" apt-get install -y "$(realpath "$package")"
[ -f /usr/share/vexolan/Vexo.html ] || {
    echo "check-package: the help guide is not at /usr/share/vexolan/Vexo.html" >&2
    exit 1
}

Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
/usr/bin/vexolan &
program_pid=$!

# Waits for a visible window with exactly this title and prints its id.
wait_for_window() {
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
        [ -n "$window" ] && break
        sleep 0.1
    done
    echo "$window"
}
sheet=$(wait_for_window Vexolan)
if [ -z "$sheet" ]; then
    echo "check-package: the combat sheet window did not open" >&2
    exit 1
fi
# Help, then Contents, through the menu's keyboard shortcuts.
xdotool windowfocus --sync "$sheet"
xdotool key --clearmodifiers alt+h
sleep 0.5
xdotool key c
help=$(wait_for_window "Vexolan Help")
if [ -z "$help" ]; then
    echo "check-package: the help window did not open" >&2
    exit 1
fi
sleep 1
import -window root "$screenshot"
echo "check-package: $(basename "$package") installs, starts and opens its help; see $screenshot"
