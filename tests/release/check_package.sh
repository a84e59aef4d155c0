#!/usr/bin/env bash
# The Debian package that make_package.sh made in PACKAGE_DIR installs the game as a
# desktop game: the program in /usr/games, its desktop entry, metainfo, both icons, the
# manual page, the changelog and the copyright, all under /usr and named by the
# application's id; its dependencies are the libraries the program links (found by
# dpkg-shlibdeps) plus the Qt platform plugins and the fonts, and it recommends Qt's
# Wayland plugin and Qt's translations.
#   check_package.sh PACKAGE_DIR APP_ID
set -euo pipefail
dir=${1:?usage: check_package.sh PACKAGE_DIR APP_ID}
id=${2:?usage: check_package.sh PACKAGE_DIR APP_ID}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

packages=("$dir"/tovik2_*.deb)
[ -f "${packages[0]}" ] || fail "no package in $dir"
deb=${packages[0]}

contents=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
for file in games/tovik2 "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/64x64/apps/$id.png" "share/icons/hicolor/scalable/apps/$id.svg" \
    share/doc/tovik2/copyright share/doc/tovik2/changelog.gz share/man/man6/tovik2.6.gz; do
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
    grep -qE "(^|, )${needed}[a-z0-9]* ?(\(|,|$)" <<<"$depends" || fail "Depends lacks $needed"
done
recommends=$(dpkg-deb --field "$deb" Recommends)
for wanted in qt6-wayland qt6-translations-l10n; do
    grep -qE "(^|, )$wanted( |,|$)" <<<"$recommends" || fail "Recommends lacks $wanted: $recommends"
done
# The menu entry starts the program the package installs, by its full path.
dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/applications/$id.desktop" |
    grep -qx 'Exec=/usr/games/tovik2 %f' || fail "the desktop entry does not start /usr/games/tovik2"
# The changelog's newest entry is the version packaged.
version=$(dpkg-deb --field "$deb" Version)
newest=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/tovik2/changelog.gz | gzip -dc | head -n 1)
[[ "$newest" == "tovik2 ($version) "* ]] || fail "the changelog begins '$newest', not with version $version"
[ "$(dpkg-deb --field "$deb" Package)" = tovik2 ] || fail "the package is not named tovik2"
[ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "the package is not in section games"
echo "$(basename "$deb") holds the game and depends on what it needs"
