#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks it as a desktop would see it.
#   check_install.sh layout|desktop|metainfo|mime BUILD_DIR APP_ID VERSION
# layout: every file in its place, the help guide where the program looks for it, and the
# installed program starts. desktop, metainfo: the desktop entry and the AppStream metadata pass
# their validators. mime: the shared-mime-info database built from the installed type knows
# *.vexmech. The last three are skipped (exit 77) where their tool is not installed.
set -euo pipefail
: "${4:?usage: $0 layout|desktop|metainfo|mime BUILD_DIR APP_ID VERSION}"
check=$1 build=$2 app_id=$3 version=$4
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=tests/support/checks.sh
source "$here/../support/checks.sh"

desktop_file=share/applications/$app_id.desktop
metainfo_file=share/metainfo/$app_id.metainfo.xml
mime_file=share/mime/packages/$app_id.xml
mech_type=application/x-vexolan-mech
lance_type=application/x-vexolan-lance
prefix=$scratch

# Skips the check where its tool is not installed.
require() {
    command -v "$1" >/dev/null 2>&1 && return
    echo "SKIPPED: $1 is not installed (Debian package $2)"
    exit 77
}

check_layout() {
    [ -x "$prefix/bin/vexolan" ] || fail "bin/vexolan is not an installed program"
    # The help viewer looks in share/vexolan beside the program's own bin folder.
    for file in bin/../share/vexolan/Vexo.html "$desktop_file" "$metainfo_file" "$mime_file" \
        "share/icons/hicolor/scalable/apps/$app_id.svg" share/man/man1/vexolan.1.gz \
        share/doc/vexolan/changelog.gz share/doc/vexolan/copyright; do
        [ -f "$prefix/$file" ] || fail "$file is not installed"
    done
    # Each icon is a PNG of its folder's size: the width and height from its header.
    for size in 16x16 32x32 48x48; do
        local icon=share/icons/hicolor/$size/apps/$app_id.png
        expect "$icon's size" "$size" \
            "$(od -An -tu4 --endian=big -j16 -N8 "$prefix/$icon" | awk '{ print $1 "x" $2 }')"
    done

    # The desktop entry runs the program with its files and opens the type the MIME file
    # declares; the metadata names that type; entry, icon and metadata name one another by the
    # one id; the package's copyright file names the holders that LICENSE names. Each row: the
    # file, whether the text is a whole line (-x) or within one (-F), the text.
    while IFS='|' read -r file match text; do
        grep -q "$match" -F -- "$text" "$prefix/$file" || fail "$file does not hold '$text'"
    done <<ROWS
$desktop_file|-x|Exec=vexolan %F
$mime_file|-F|<mime-type type="$mech_type">
$mime_file|-F|<mime-type type="$lance_type">
$desktop_file|-x|MimeType=$mech_type;$lance_type;
$metainfo_file|-F|<mediatype>$mech_type</mediatype>
share/doc/vexolan/copyright|-x|Copyright: $(grep -m1 '^Copyright' "$here/../../LICENSE")
$desktop_file|-x|Icon=$app_id
$metainfo_file|-F|<id>$app_id</id>
$metainfo_file|-F|<launchable type="desktop-id">$app_id.desktop</launchable>
ROWS
    expect "the metadata's newest release" "$version" \
        "$(grep -om1 '<release version="[^"]*"' "$prefix/$metainfo_file" | cut -d'"' -f2)"

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
    expect "the installed program's status after 3 s (124: still running)" 124 "$status"
}

# Runs a validator, shows what it says, and fails on its errors and warnings.
validate() {
    local output status=0
    echo "\$ $*"
    output=$("$@" 2>&1) || status=$?
    echo "$output"
    expect "$1's status" 0 "$status"
    ! grep -Eq '^(E|W):|error:|warning:' <<<"$output" || fail "$1 found errors or warnings"
}

# The database that shared-mime-info builds from the installed types maps *.vexmech and
# *.vexlance to them, and nothing else to them.
check_mime() {
    require update-mime-database shared-mime-info
    local output
    output=$(XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>&1)
    echo "$output"
    ! grep -qi error <<<"$output" || fail "update-mime-database found errors"
    expect "the MIME database's patterns" "$lance_type:*.vexlance $mech_type:*.vexmech" \
        "$(grep -o "application/x-vexolan-[a-z]*:[^:]*" "$prefix/share/mime/globs2" | sort | xargs)"
}

# The desktop entry and the metadata pass their validators.
check_desktop() {
    require desktop-file-validate desktop-file-utils
    validate desktop-file-validate "$prefix/$desktop_file"
}
check_metainfo() {
    require appstreamcli appstream
    validate appstreamcli validate --no-net "$prefix/$metainfo_file"
    validate appstreamcli validate-tree --no-net "$prefix"
}

declare -F "check_$check" >/dev/null || { echo "unknown check: $check" >&2; exit 2; }
cmake --install "$build" --prefix "$prefix"
"check_$check"
finish "install $check"
