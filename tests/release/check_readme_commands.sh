#!/usr/bin/env bash
# The README promises a new user exactly two set-up commands, one to play and one to
# test, and CI must run the very command the README gives for testing. Fails when
# the README, setup.sh and .ci/run drift apart.
set -euo pipefail
root=${1:?usage: check_readme_commands.sh SOURCE_DIR}
cd "$root"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Set-up commands are the lines of the README's sh code blocks (the Install section
# uses a shell block for its package commands).
mapfile -t commands < <(awk '/^```sh$/ { inside = 1; next } /^```/ { inside = 0 } inside && NF' README.md)
[ "${#commands[@]}" -eq 2 ] || fail "README shows ${#commands[@]} set-up commands, expected 2: ${commands[*]}"
[ "${commands[0]}" = "./setup.sh play" ] || fail "first README command is '${commands[0]}'"
[ "${commands[1]}" = "./setup.sh test" ] || fail "second README command is '${commands[1]}'"

# .ci/run does nothing but run the README's test command.
mapfile -t ci < <(grep -vE '^\s*(#|$|set |cd )' .ci/run)
[ "${#ci[@]}" -eq 1 ] || fail ".ci/run runs ${#ci[@]} commands: ${ci[*]}"
[ "$(echo "${ci[0]}" | xargs)" = "${commands[1]}" ] || fail ".ci/run runs '${ci[0]}', not '${commands[1]}'"

# setup.sh installs every package the README names.
for package in qt6-base-dev fonts-ipafont-mincho fonts-ipafont-gothic fonts-liberation cmake g++; do
    grep -q -- "$package" setup.sh || fail "setup.sh does not install $package"
    grep -q -- "$package" README.md || fail "README does not mention $package"
done
bash -n setup.sh || fail "setup.sh does not parse"
echo "README, setup.sh and .ci/run agree"
