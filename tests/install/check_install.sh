#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks it as a desktop would see it.
#   check_install.sh layout|desktop|metainfo|mime BUILD_DIR APP_ID VERSION
# layout: every file in its place, the help guide where the program looks for it, and the
# installed program starts. desktop, metainfo: the desktop entry and the AppStream metadata pass
# their validators. mime: the shared-mime-info database built from the installed type knows
# *.vexmech. The last three are skipped (exit 77) where their tool is not installed.
set -euo pipefail

if [ $# -ne 4 ]; then
    echo "usage: $0 layout|desktop|metainfo|mime BUILD_DIR APP_ID VERSION" >&2
    exit 2
fi
check=$1 build=$2 app_id=$3 version=$4
skipped=77

require() {
    if ! command -v "$1" >/dev/null 2>&1; then
        echo "SKIPPED: $1 is not installed (Debian package $2)"
        exit "$skipped"
    fi
}
case $check in
layout) ;;
desktop) require desktop-file-validate desktop-file-utils ;;
metainfo) require appstreamcli appstream ;;
mime) require update-mime-database shared-mime-info ;;
*)
    echo "unknown check: $check" >&2
    exit 2
    ;;
esac

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vexolan-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
have_file() {
    [ -f "$prefix/$1" ] || fail "$1 is not installed"
}

desktop_file=share/applications/$app_id.desktop
metainfo_file=share/metainfo/$app_id.metainfo.xml
mime_file=share/mime/packages/$app_id.xml
mech_type=application/x-vexolan-mech

# The width and height of a PNG, from its header.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ')
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
    echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}

check_layout() {
    [ -x "$prefix/bin/vexolan" ] || fail "bin/vexolan is not an installed program"
    # The help viewer looks in share/vexolan beside the program's own bin folder.
    [ -f "$prefix/bin/../share/vexolan/Vexo.html" ] ||
        fail "the help guide is not at bin/../share/vexolan/Vexo.html"
    have_file "$desktop_file"
    have_file "$metainfo_file"
    for size in 16 32 48; do
        local icon=share/icons/hicolor/${size}x$size/apps/$app_id.png
        have_file "$icon"
        if [ -f "$prefix/$icon" ] && [ "$(png_size "$prefix/$icon")" != "${size}x$size" ]; then
            fail "$icon is $(png_size "$prefix/$icon") pixels, not ${size}x$size"
        fi
    done
    have_file "share/icons/hicolor/scalable/apps/$app_id.svg"
    have_file "$mime_file"
    for document in man/man1/vexolan.1.gz doc/vexolan/changelog.gz doc/vexolan/copyright; do
        have_file "share/$document"
    done
    [ $failures -eq 0 ] || return 0

    # The desktop entry, the icon and the metadata name one another by the one id.
    grep -qx "Exec=vexolan %F" "$prefix/$desktop_file" ||
        fail "the desktop entry does not run vexolan with the files it is given"
    # The desktop entry opens the type the MIME file declares, and the metadata names it.
    grep -q "<mime-type type=\"$mech_type\">" "$prefix/$mime_file" || fail "no type $mech_type"
    grep -qx "MimeType=$mech_type;" "$prefix/$desktop_file" || fail "the entry does not open $mech_type"
    grep -q "<mediatype>$mech_type</mediatype>" "$prefix/$metainfo_file" ||
        fail "the metadata does not name $mech_type"
    # The package's copyright file names the holders that LICENSE names.
    grep -qxF "Copyright: $(grep -m1 '^Copyright' "$(dirname "${BASH_SOURCE[0]}")/../../LICENSE")" \
        "$prefix/share/doc/vexolan/copyright" || fail "the copyright file differs from LICENSE"
    grep -qx "Icon=$app_id" "$prefix/$desktop_file" || fail "the desktop entry's icon is not $app_id"
    grep -q "<id>$app_id</id>" "$prefix/$metainfo_file" || fail "the metadata's id is not $app_id"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
        "$prefix/$metainfo_file" || fail "the metadata does not launch $app_id.desktop"
    local newest
    newest=$(grep -o '<release version="[^"]*"' "$prefix/$metainfo_file" | head -n1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] ||
        fail "the metadata's newest release is '$newest', the program is $version"

    # The installed program must not lean on the build tree.
    if command -v readelf >/dev/null 2>&1 &&
        readelf -d "$prefix/bin/vexolan" | grep -E 'R(UN)?PATH' | grep -qF "$(cd "$build" && pwd)"; then
        fail "bin/vexolan still looks for libraries in the build tree"
    fi
    # It starts and keeps running until it is stopped; a missing library or a crash ends it early.
    # A server name of its own keeps it from handing over to a program that runs already.
    local status=0
    QT_QPA_PLATFORM=offscreen VEXOLAN_SERVER="$prefix/server" timeout 3 "$prefix/bin/vexolan" ||
        status=$?
    [ $status -eq 124 ] || fail "the installed program ended by itself with status $status"
}

# Runs a validator, shows what it says, and fails on its errors and warnings.
validate() {
    local output status=0
    echo "\$ $*"
    output=$("$@" 2>&1) || status=$?
    echo "$output"
    if [ $status -ne 0 ] || grep -Eq '^(E|W):|error:|warning:' <<<"$output"; then
        fail "$1 found errors or warnings"
    fi
}

# The database that shared-mime-info builds from the installed type maps *.vexmech to it.
check_mime() {
    local output
    output=$(XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>&1)
    echo "$output"
    ! grep -qi error <<<"$output" || fail "update-mime-database found errors"
    grep -qx "[0-9]*:$mech_type:\*.vexmech" "$prefix/share/mime/globs2" ||
        fail "the MIME database does not map *.vexmech to $mech_type"
}

case $check in
layout) check_layout ;;
mime) check_mime ;;
desktop) validate desktop-file-validate "$prefix/$desktop_file" ;;
metainfo)
    validate appstreamcli validate --no-net "$prefix/$metainfo_file"
    validate appstreamcli validate-tree --no-net "$prefix"
    ;;
esac

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "install $check: passed"
