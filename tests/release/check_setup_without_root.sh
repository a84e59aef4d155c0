#!/usr/bin/env bash
# A user who is not root and has no sudo, on a machine that lacks the packages, gets from
# `setup.sh play` and `setup.sh test` the packages it needs and the one apt-get line to
# run as root, and nothing else: exit status 1, no attempt to install or build.
# The packages are made to look missing by a stand-in for dpkg-query on a PATH that has
# no sudo; run as root, the script runs as the user nobody.
#   check_setup_without_root.sh SOURCE_DIR
set -euo pipefail
source_dir=${1:?usage: check_setup_without_root.sh SOURCE_DIR}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

# A copy of the script in a folder of its own, so that whatever it would build lands there.
mkdir "$work/tree"
cp "$source_dir/setup.sh" "$work/tree/"
# Every program of the system but sudo, and a dpkg-query that knows no package and
# notes each one it was asked about.
mkdir "$work/bin"
for program in /usr/bin/* /bin/*; do
    name=${program##*/}
    [ -e "$work/bin/$name" ] || ln -s "$program" "$work/bin/$name"
done
rm -f "$work/bin/sudo" "$work/bin/dpkg-query"
printf '#!/bin/sh\nfor last; do :; done\necho "$last" >>%s/asked\nexit 1\n' "$work" \
    >"$work/bin/dpkg-query"
chmod +x "$work/bin/dpkg-query"
chmod -R a+rX "$work"
chmod a+w "$work"

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

for mode in play test; do
    rm -f "$work/asked"
    status=0
    output=$(cd / && "${as_user[@]}" env -i PATH="$work/bin" HOME="$work" \
        bash "$work/tree/setup.sh" "$mode" 2>&1) || status=$?
    echo "--- setup.sh $mode said:"
    echo "$output"
    [ $status -eq 1 ] || fail "setup.sh $mode exited with $status, not 1"
    [ -s "$work/asked" ] || fail "setup.sh $mode did not look for any package"
    asked=$(tr '\n' ' ' <"$work/asked" | sed 's/ $//')
    # The line to run as root names every package it looked for, and no other.
    grep -qx "apt-get install $asked" <<<"$output" ||
        fail "setup.sh $mode did not give the line 'apt-get install $asked'"
    grep -q "not installed: $asked\$" <<<"$output" ||
        fail "setup.sh $mode did not say which packages are missing"
    [ "$(wc -l <<<"$output")" -le 3 ] || fail "setup.sh $mode said more than the message"
    [ ! -e "$work/tree/build" ] || fail "setup.sh $mode went on to build"
done
echo "without root and sudo, setup.sh names the packages and the line to run as root"
