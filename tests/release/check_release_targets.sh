#!/usr/bin/env bash
# A build configured with -DBUILD_TESTING=OFF, as the Install steps configure it, makes
# what the package installs and nothing else: no test, benchmark or seed writer. In the
# test build BUILD_DIR the benchmarks stay one target away.
#   check_release_targets.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=${1:?usage: check_release_targets.sh SOURCE_DIR BUILD_DIR}
build=${2:?usage: check_release_targets.sh SOURCE_DIR BUILD_DIR}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

release=$(mktemp -d)
trap 'rm -rf "$release"' EXIT
cmake -S "$source_dir" -B "$release" -DBUILD_TESTING=OFF >"$release/configure.log" 2>&1 ||
    { cat "$release/configure.log"; fail "the release build does not configure"; }

# The targets `cmake --build` makes by default: with Makefiles, those of the "all" rule.
targets=$(cmake --build "$release" --target help | sed -nE 's/^\.\.\. ([^ ]+).*/\1/p')
grep -qx tovik2 <<<"$targets" || fail "the release build has no tovik2 target"
extra=$(grep -E '^(test_|bench_|benchmarks$|write_seeds$|picture_seeds$)' <<<"$targets" || true)
[ -z "$extra" ] || fail "the release build also makes: $(tr '\n' ' ' <<<"$extra")"

grep -qx '\.\.\. benchmarks' <<<"$(cmake --build "$build" --target help)" ||
    fail "the test build has no benchmarks target"
echo "-DBUILD_TESTING=OFF builds the game alone; the test build keeps the benchmarks"
