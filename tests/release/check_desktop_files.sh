#!/usr/bin/env bash
# The desktop entry and the metainfo pass their validators with no error and no
# warning (infos and pedantic remarks are allowed). Skipped, with status 77, only
# when the validator is not installed (setup.sh installs both).
#   check_desktop_files.sh desktop FILE.desktop
#   check_desktop_files.sh metainfo FILE.metainfo.xml
set -uo pipefail
kind=${1:?usage: check_desktop_files.sh desktop|metainfo FILE}
file=${2:?usage: check_desktop_files.sh desktop|metainfo FILE}

case "$kind" in
desktop) command=(desktop-file-validate "$file") ;;
metainfo) command=(appstreamcli validate --no-net "$file") ;;
*)
    echo "unknown kind $kind" >&2
    exit 2
    ;;
esac
if ! command -v "${command[0]}" >/dev/null; then
    echo "SKIP: ${command[0]} is not installed (apt-get install desktop-file-utils appstream)"
    exit 77
fi

output=$("${command[@]}" 2>&1)
status=$?
echo "$output"
# desktop-file-validate writes "FILE: error: ..." and "FILE: warning: ...";
# appstreamcli writes "E: ..." and "W: ...".
if [ $status -ne 0 ] || grep -qE '(^| )(error|warning):|^[EW]: ' <<<"$output"; then
    echo "FAIL: ${command[0]} found errors or warnings in $file" >&2
    exit 1
fi
echo "$file validates"
