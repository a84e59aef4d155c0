#!/usr/bin/env bash
# Makes the Debian package of a build with `cpack -G DEB` into OUT_DIR, for the checks of
# its contents and of lintian. Skipped (status 77) only when dpkg-dev is not installed.
#   make_package.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=${1:?usage: make_package.sh BUILD_DIR OUT_DIR}
out=${2:?usage: make_package.sh BUILD_DIR OUT_DIR}

if ! command -v dpkg-shlibdeps >/dev/null; then
    echo "SKIP: dpkg-shlibdeps is not installed (apt-get install dpkg-dev)"
    exit 77
fi
rm -rf "$out"
mkdir -p "$out"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    echo "FAIL: cpack could not make the package" >&2
    exit 1
fi
packages=("$out"/tovik2_*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    echo "FAIL: no single tovik2_*.deb in: $(ls "$out")" >&2
    exit 1
fi
echo "made ${packages[0]}"
