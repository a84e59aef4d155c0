#!/usr/bin/env bash
# `cmake --install` must give a program that works from any folder: the binary, its
# desktop entry, icons and metainfo land under the prefix, --version and --help answer
# on the terminal, as do an unknown option and two pictures (with status 1), and the
# game starts and keeps running in a folder that has no pictures of its own (it falls
# back to the pictures built into it), with or without a picture to open.
set -euo pipefail
build=${1:?usage: check_install.sh BUILD_DIR APP_ID}
id=${2:?usage: check_install.sh BUILD_DIR APP_ID}
prefix=$(mktemp -d)
elsewhere=$(mktemp -d)
trap 'rm -rf "$prefix" "$elsewhere"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/$id.desktop
for file in bin/tovik2 "share/icons/hicolor/64x64/apps/$id.png" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml"; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done
grep -qx 'Exec=tovik2 %f' "$entry" || fail "desktop entry does not open files with tovik2"
grep -qx "Icon=$id" "$entry" || fail "desktop entry does not name the icon $id"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo launches another desktop entry"

cd "$elsewhere"
version=$("$prefix/bin/tovik2" --version)
[[ "$version" == *"3.0"* ]] || fail "--version printed '$version'"
help=$("$prefix/bin/tovik2" --help)
[[ "$help" == *"--version"* ]] || fail "--help printed '$help'"
# Answered without a display, so the unset DISPLAY cannot be what fails them.
for arguments in "--no-such-option" "a.jpg b.jpg"; do
    status=0
    # shellcheck disable=SC2086 # the arguments are split on purpose
    env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tovik2" $arguments >/dev/null 2>"$elsewhere/err" || status=$?
    [ $status -eq 1 ] || fail "'tovik2 $arguments' exited with $status, not 1"
    [ -s "$elsewhere/err" ] || fail "'tovik2 $arguments' said nothing on the terminal"
done

# Past the splash window's first tick the main window is up, and the picture is open;
# the game must still run.
cp "$prefix/share/icons/hicolor/64x64/apps/$id.png" "$elsewhere/picture.png"
for arguments in "" picture.png; do
    # shellcheck disable=SC2086
    QT_QPA_PLATFORM=offscreen "$prefix/bin/tovik2" $arguments &
    game=$!
    sleep 3
    kill -0 "$game" 2>/dev/null || fail "'tovik2 $arguments' ended by itself (exit status $(wait "$game"; echo $?))"
    kill "$game"
    wait "$game" 2>/dev/null || true
done
echo "installed program works from $elsewhere"
