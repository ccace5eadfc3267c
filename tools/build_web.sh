#!/usr/bin/env bash
# Builds the brain as a WebAssembly module with Debian's emscripten, and gathers it with the
# browser page in build-web/site (another build directory as the first argument).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-web}

# Debian's emscripten finds its acorn module only through NODE_PATH.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
emcmake cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF \
  -DORVANE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target orvane_web_site orvane_package -j2
