#!/usr/bin/env bash
# `cmake --install` must give a program that works from any folder: the game in games/,
# its desktop entry, icons, metainfo and manual page land under the prefix, --version
# and --help answer on the terminal, as do an unknown option and two pictures (with
# status 1), and the game starts and keeps running in a folder that has no pictures of
# its own (it falls back to the pictures built into it), with or without a picture to
# open. The desktop entry starts it by its full path, quoted where the prefix has a
# space, as it is here.
set -euo pipefail
build=${1:?usage: check_install.sh BUILD_DIR APP_ID}
id=${2:?usage: check_install.sh BUILD_DIR APP_ID}
top=$(mktemp -d)
prefix="$top/the prefix"
elsewhere=$(mktemp -d)
trap 'rm -rf "$top" "$elsewhere"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/$id.desktop
for file in games/tovik2 share/man/man6/tovik2.6.gz "share/icons/hicolor/64x64/apps/$id.png" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml"; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done
exec_line="Exec=\"$prefix/games/tovik2\" %f"
grep -qxF "$exec_line" "$entry" || fail "desktop entry's Exec is not $exec_line: $(grep '^Exec=' "$entry")"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "the installed desktop entry does not validate"
fi
grep -qx "Icon=$id" "$entry" || fail "desktop entry does not name the icon $id"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo launches another desktop entry"

cd "$elsewhere"
version=$("$prefix/games/tovik2" --version)
[[ "$version" == *"3.0"* ]] || fail "--version printed '$version'"
help=$("$prefix/games/tovik2" --help)
[[ "$help" == *"--version"* ]] || fail "--help printed '$help'"
# Answered without a display, so the unset DISPLAY cannot be what fails them.
for arguments in "--no-such-option" "a.jpg b.jpg"; do
    status=0
    # shellcheck disable=SC2086 # the arguments are split on purpose
    env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/games/tovik2" $arguments >/dev/null 2>"$elsewhere/err" || status=$?
    [ $status -eq 1 ] || fail "'tovik2 $arguments' exited with $status, not 1"
    [ -s "$elsewhere/err" ] || fail "'tovik2 $arguments' said nothing on the terminal"
done

# Past the splash window's first tick the main window is up, and the picture is open;
# the game must still run.
keeps_running() {
    QT_QPA_PLATFORM=offscreen "$@" &
    local game=$!
    sleep 3
    kill -0 "$game" 2>/dev/null || fail "'$*' ended by itself (exit status $(wait "$game"; echo $?))"
    kill "$game"
    wait "$game" 2>/dev/null || true
}
keeps_running "$prefix/games/tovik2"
# With a picture, as the menu's "Open with" starts it: the entry's Exec line with %f
# replaced by the file (its quoting is that of the shell's double quotes).
cp "$prefix/share/icons/hicolor/64x64/apps/$id.png" "$elsewhere/picture.png"
exec_value=$(sed -n 's/^Exec=//p' "$entry")
from_entry=()
eval "from_entry=(${exec_value//%f/picture.png})"
keeps_running "${from_entry[@]}"
echo "installed program works from $elsewhere"
