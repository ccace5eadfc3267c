#!/usr/bin/env bash
# The unit tests cross-built for Windows (`cmake --preset windows-tests`, GoogleTest built from
# Debian's /usr/src/googletest) and run by CTest under Wine, one CTest test per test executable.
# Left out on Windows: the tests that start the built brains under faketime through POSIX calls
# (tools/windows/test_under_wine.sh runs the Windows brains instead).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
# shellcheck source=tools/windows/wine_prefix.sh
source tools/windows/wine_prefix.sh

[ -f /usr/src/googletest/CMakeLists.txt ] ||
  { echo "GoogleTest's sources are not installed (Debian: package googletest)" >&2; exit 1; }

mkdir -p build-windows-tests
log=$root/build-windows-tests/build.log
if ! { cmake --preset windows-tests && cmake --build --preset windows-tests -j2; } >"$log" 2>&1; then
  tail -n 50 "$log" >&2
  exit 1
fi
rm -f "$log"

wine_server_start
trap wine_server_stop EXIT
ctest --preset windows-tests
