#!/usr/bin/env bash
# `cmake --install` must give a program that works from any folder: the binary, its
# desktop entry, icon and metainfo land under the prefix, --version and --help answer
# on the terminal, and the game starts and keeps running in a folder that has no
# pictures of its own (it falls back to the pictures built into it).
set -euo pipefail
build=${1:?usage: check_install.sh BUILD_DIR}
prefix=$(mktemp -d)
elsewhere=$(mktemp -d)
trap 'rm -rf "$prefix" "$elsewhere"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/tovik2 share/applications/tovik2.desktop share/icons/hicolor/64x64/apps/tovik2.png \
    share/metainfo/tovik2.metainfo.xml; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done
grep -q '^Exec=tovik2' "$prefix/share/applications/tovik2.desktop" || fail "desktop entry does not start tovik2"
grep -q '^Icon=tovik2' "$prefix/share/applications/tovik2.desktop" || fail "desktop entry has no icon"

cd "$elsewhere"
version=$("$prefix/bin/tovik2" --version)
[[ "$version" == *"3.0"* ]] || fail "--version printed '$version'"
help=$("$prefix/bin/tovik2" --help)
[[ "$help" == *"--version"* ]] || fail "--help printed '$help'"
if "$prefix/bin/tovik2" --no-such-option >/dev/null 2>&1; then
    fail "an unknown option was accepted"
fi

# Past the splash window's first tick the main window is up; the game must still run.
QT_QPA_PLATFORM=offscreen "$prefix/bin/tovik2" &
game=$!
sleep 3
kill -0 "$game" 2>/dev/null || fail "the installed game ended by itself (exit status $(wait "$game"; echo $?))"
kill "$game"
wait "$game" 2>/dev/null || true
echo "installed program works from $elsewhere"
