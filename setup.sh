#!/usr/bin/env bash
# Sets Tovik2 up on a Debian 12 machine and then plays or tests it:
#   ./setup.sh play   installs what is missing, builds the game alone (no tests or
#                     benchmarks), starts it
#   ./setup.sh test   installs what is missing, builds, runs every test, then runs
#                     them again in a build with the address and undefined-behaviour
#                     sanitizers, and fuzzes the picture loader for a minute
#                     (TOVIK2_FUZZ_SECONDS to change how long)
# Only packages that are not installed yet are fetched: as root, or through sudo. A user
# who is neither root nor has sudo is told the line to run as root, and nothing happens.
#
# Each phase announces itself in one line; the long output of the builds, the package
# installation and the fuzzer goes to build/logs/. The test runs show CTest's own lines.
# The run ends with a summary of every phase and, last, one line counting every test of
# the whole run: the CTest tests of both runs and the fuzzing as one more.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-play}
case "$mode" in
play | test) ;;
*)
    echo "usage: $0 [play|test]" >&2
    exit 2
    ;;
esac

# To build and run the game: the compiler, CMake, Qt's widgets and its translation tools
# (lupdate, lrelease), Qt's own translations, the Wayland platform plugin for Wayland
# desktops, and the fonts of the layouts.
packages=(g++ make cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    qt6-wayland fonts-ipafont-mincho fonts-ipafont-gothic fonts-liberation)
# To test: clang and its libFuzzer runtime for the fuzz target; the validators of the
# desktop entry and the metainfo; dpkg-dev and file for cpack, lintian and man-db for
# the package's checks; weston for the whole-run test on a headless Wayland desktop;
# Qt's private headers for the screen-reader test, which switches Qt's accessibility on
# without a screen reader.
if [ "$mode" = test ]; then
    packages+=(clang-14 libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file lintian
        man-db weston qt6-base-private-dev)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$package")
    fi
done
as_root=()
if ((${#missing[@]})) && [ "$EUID" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        {
            echo "Tovik2 needs these Debian packages, which are not installed: ${missing[*]}"
            echo "You are not root and sudo is not installed. Run this as root, then $0 $mode again:"
            echo "apt-get install ${missing[*]}"
        } >&2
        exit 1
    fi
    as_root=(sudo)
fi

logs=build/logs
mkdir -p "$logs"
rm -f "$logs"/*.log
phases=()   # one summary line per phase
passed=0    # tests of the whole run
failed=0
skipped=0
start_of_run=$SECONDS

# The closing summary: every phase with its result and time, where the logs are, and the
# count of the whole run's tests last.
summarize() {
    echo
    echo "Summary of ./setup.sh $mode:"
    local line
    for line in "${phases[@]}"; do echo "  $line"; done
    echo "  logs: $PWD/$logs/ ($((SECONDS - start_of_run)) s in all)"
    if [ "$mode" = test ]; then
        local counts="$passed passed, $failed failed"
        ((skipped == 0)) || counts+=", $skipped skipped"
        echo "$counts"
    fi
}

# Records a phase's line for the summary: its name, its time and its result.
record() {
    phases+=("$(printf '%-24s %5d s  %s' "$1" "$2" "$3")")
}

# A phase that failed: its log's last lines (unless they are on the terminal already),
# the summary, and the end of the run.
fail_phase() {
    local name=$1 log=$2 seconds=$3 failures=$4 shown=${5:-} counts=${6:+ ($6)}
    failed=$((failed + failures))
    record "$name" "$seconds" "FAILED$counts, see $log"
    if [ -z "$shown" ] && [ -s "$log" ]; then
        echo "The last lines of $log:"
        tail -n 40 "$log"
    fi
    summarize
    exit 1
}

# Runs a quiet phase: one line to announce it, its output to its log.
quiet_phase() {
    local name=$1 log=$2
    shift 2
    echo "==> ${name^} (output in $log)"
    local begin=$SECONDS
    if ! "$@" >"$log" 2>&1; then
        fail_phase "$name" "$log" $((SECONDS - begin)) 1
    fi
    record "$name" $((SECONDS - begin)) "done"
}

# Runs CTest in a build folder, its lines on the terminal and in the log, and adds its
# tests to the run's count: CTest's closing line gives how many ran and failed, and the
# tests it skipped are listed as "(Skipped)".
test_phase() {
    local name=$1 log=$2 folder=$3
    shift 3
    echo "==> ${name^} (also in $log)"
    local begin=$SECONDS status=0
    ctest --test-dir "$folder" --output-on-failure "$@" 2>&1 | tee "$log" || status=$?
    local seconds=$((SECONDS - begin))
    local closing total=0 bad=0 skip=0
    closing=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" || true)
    if [ -n "$closing" ]; then
        read -r total bad < <(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2 \1/' <<<"$closing")
        skip=$(grep -cE '^[[:space:]]*[0-9]+ - .*\(Skipped\)$' "$log" || true)
    fi
    local passed_here=$((total - bad - skip))
    passed=$((passed + passed_here))
    skipped=$((skipped + skip))
    # No closing line or no test at all: the run failed before it could count.
    if [ $status -ne 0 ] && ((bad == 0)); then bad=1; fi
    if [ -z "$closing" ] || ((total == 0)); then bad=1; fi
    local counts="$passed_here passed, $bad failed"
    ((skip == 0)) || counts+=", $skip skipped"
    ((bad == 0)) || fail_phase "$name" "$log" "$seconds" "$bad" shown "$counts"
    record "$name" "$seconds" "$counts"
}

install_missing() {
    "${as_root[@]}" apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

if ((${#missing[@]})); then
    echo "==> Installing ${missing[*]} (output in $logs/install.log)"
    # sudo may ask for the password on the terminal, which the log does not capture.
    begin=$SECONDS
    install_missing >"$logs/install.log" 2>&1 ||
        fail_phase "installing packages" "$logs/install.log" $((SECONDS - begin)) 1
    record "installing packages" $((SECONDS - begin)) "installed ${#missing[@]}"
else
    record "installing packages" 0 "nothing missing"
fi

jobs=$(nproc 2>/dev/null || echo 2)
configure_and_build() {
    local folder=$1
    shift
    cmake -S . -B "$folder" "$@" && cmake --build "$folder" -j"$jobs" ${targets[@]+--target "${targets[@]}"}
}

# To play, only the game is built; a later `./setup.sh test` builds the rest in the
# same folder.
if [ "$mode" = play ]; then
    targets=(tovik2)
    quiet_phase "building the game" "$logs/build.log" \
        configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    summarize
    echo "==> Starting the game"
    exec build/app/tovik2
fi

targets=()
quiet_phase "building" "$logs/build.log" configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
test_phase "testing" "$logs/tests.log" build

# Every test of compiled code again in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer; the release checks and the Wayland run need no second run.
quiet_phase "sanitizer build" "$logs/sanitizer-build.log" \
    configure_and_build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTOVIK2_SANITIZE=ON
test_phase "sanitizer tests" "$logs/sanitizer-tests.log" build-sanitize \
    --label-exclude '^(release|wayland)$'

# The picture loader under libFuzzer with the sanitizers; a crash fails the run. It
# counts as one test; the summary gives the inputs it tried.
fuzz_log=$logs/fuzzing.log
seconds=${TOVIK2_FUZZ_SECONDS:-60}
echo "==> Fuzzing the picture loader for $seconds s (output in $fuzz_log)"
begin=$SECONDS
fuzz/run-fuzzer.sh "$seconds" >"$fuzz_log" 2>&1 || fail_phase "fuzzing" "$fuzz_log" $((SECONDS - begin)) 1
runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$fuzz_log" | tail -n 1)
passed=$((passed + 1))
record "fuzzing" $((SECONDS - begin)) "${runs:-?} inputs, no crash"
summarize
