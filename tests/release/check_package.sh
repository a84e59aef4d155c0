#!/usr/bin/env bash
# `cpack -G DEB` makes a Debian package that installs the game as a desktop program:
# the program, its desktop entry, metainfo, both icons and the copyright, all under
# /usr and named by the application's id; its dependencies are the libraries the
# program links (found by dpkg-shlibdeps) plus the Qt platform plugins and the
# fonts. Skipped (status 77) only when dpkg-dev is not installed.
set -euo pipefail
build=${1:?usage: check_package.sh BUILD_DIR APP_ID}
id=${2:?usage: check_package.sh BUILD_DIR APP_ID}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if ! command -v dpkg-shlibdeps >/dev/null; then
    echo "SKIP: dpkg-shlibdeps is not installed (apt-get install dpkg-dev)"
    exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; fail "cpack could not make the package"; }
packages=("$out"/tovik2_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "no single tovik2_*.deb in: $(ls "$out")"
deb=${packages[0]}

contents=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
for file in bin/tovik2 "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/64x64/apps/$id.png" "share/icons/hicolor/scalable/apps/$id.svg" \
    share/doc/tovik2/copyright; do
    grep -qx "\./usr/$file" <<<"$contents" || fail "the package lacks /usr/$file"
done
if grep -v '^\./usr/' <<<"$contents" | grep -qv '^\./$'; then
    fail "the package installs outside /usr: $(grep -v '^\./usr/' <<<"$contents" | grep -v '^\./$')"
fi
if grep -qE 'test_|bench_' <<<"$contents"; then
    fail "the package carries test or benchmark programs"
fi

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
# Library package names change between releases (libqt6core6t64), so they are
# matched by their stem; the others are named by the project.
for needed in 'libqt6widgets6' 'libqt6gui6' 'libqt6core6' 'libc6' 'libstdc\+\+6' 'qt6-qpa-plugins' \
    'fonts-ipafont-mincho' 'fonts-ipafont-gothic' 'fonts-liberation'; do
    grep -qE "(^|, )$needed[a-z0-9]* ?(\(|,|$)" <<<"$depends" || fail "Depends lacks $needed"
done
[ "$(dpkg-deb --field "$deb" Package)" = tovik2 ] || fail "the package is not named tovik2"
[ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "the package is not in section games"
echo "$(basename "$deb") holds the game and depends on what it needs"
