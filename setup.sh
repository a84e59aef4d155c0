#!/usr/bin/env bash
# Sets Tovik2 up on a Debian 12 machine and then plays or tests it:
#   ./setup.sh play   installs what is missing, builds the game alone (no tests or
#                     benchmarks), starts it
#   ./setup.sh test   installs what is missing, builds, runs every test, then runs
#                     them again in a build with the address and undefined-behaviour
#                     sanitizers, and fuzzes the picture loader for a minute
#                     (TOVIK2_FUZZ_SECONDS to change how long)
# Only packages that are not installed yet are fetched (with sudo when not root).
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

packages=(g++ make cmake qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-ipafont-mincho fonts-ipafont-gothic fonts-liberation)
# The fuzz target needs clang and its libFuzzer runtime; the tests also validate the
# desktop entry and the metainfo and build the Debian package (cpack needs `file`).
if [ "$mode" = test ]; then
    packages+=(clang-14 libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    echo "Installing ${missing[*]}"
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
    "${as_root[@]}" apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo

# To play, only the game is built; a later `./setup.sh test` builds the rest in the
# same folder.
if [ "$mode" = play ]; then
    cmake --build build -j"$jobs" --target tovik2
    exec build/app/tovik2
fi
cmake --build build -j"$jobs"

ctest --test-dir build --output-on-failure

# Every test again in a build with AddressSanitizer and UndefinedBehaviorSanitizer
# (the install check needs no second run).
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTOVIK2_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure --exclude-regex install_and_start

# The picture loader under libFuzzer with the sanitizers; a crash fails the run.
fuzz/run-fuzzer.sh "${TOVIK2_FUZZ_SECONDS:-60}"
