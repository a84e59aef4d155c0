#!/usr/bin/env bash
# Runs a test program as a client of a headless Wayland compositor (weston's headless
# backend), on Qt's wayland platform, where windows cannot place themselves and the
# compositor decides which window is active. Skipped, with status 77, only when weston
# or Qt's Wayland plugin is not installed (setup.sh installs both).
#   run_on_weston.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
[ $# -ge 1 ] || {
    echo "usage: run_on_weston.sh PROGRAM [ARGUMENTS...]" >&2
    exit 2
}

if ! command -v weston >/dev/null; then
    echo "SKIP: weston is not installed (apt-get install weston)"
    exit 77
fi
if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
    echo "SKIP: Qt's Wayland plugin is not installed (apt-get install qt6-wayland)"
    exit 77
fi

# The compositor's socket lives in a runtime folder of this run alone.
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
cleanup() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$runtime
socket=tovik2-test
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    --log="$runtime/weston.log" &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "FAIL: weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi

status=0
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@" || status=$?
if [ $status -ne 0 ]; then
    echo "--- weston's log:"
    cat "$runtime/weston.log"
fi
exit $status
