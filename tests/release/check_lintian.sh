#!/usr/bin/env bash
# lintian, Debian's package checker, finds no error and no warning in the package that
# make_package.sh made in PACKAGE_DIR; its informational remarks are shown, not failed.
# Skipped (status 77) only when lintian is not installed (setup.sh installs it).
#   check_lintian.sh PACKAGE_DIR
set -uo pipefail
dir=${1:?usage: check_lintian.sh PACKAGE_DIR}

if ! command -v lintian >/dev/null; then
    echo "SKIP: lintian is not installed (apt-get install lintian)"
    exit 77
fi
packages=("$dir"/tovik2_*.deb)
[ -f "${packages[0]}" ] || {
    echo "FAIL: no package in $dir" >&2
    exit 1
}

output=$(lintian --display-info --fail-on error,warning "${packages[0]}" 2>&1)
status=$?
echo "$output"
if [ $status -ne 0 ] || grep -qE '^[EW]: ' <<<"$output"; then
    echo "FAIL: lintian found errors or warnings in ${packages[0]##*/}" >&2
    exit 1
fi
echo "lintian finds no error and no warning in ${packages[0]##*/}"
