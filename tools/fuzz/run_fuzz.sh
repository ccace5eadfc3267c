#!/usr/bin/env bash
# Builds a fuzzer with clang, the engine instrumented with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for a bounded time (default 60 seconds, or the first
# argument) from its seed inputs in tools/fuzz/corpus/TARGET. TARGET, the second argument, is
# `session` (the stdin/stdout protocol, the default) or `file_run` (the whole file run on a
# manager's directory); further arguments go to libFuzzer. Exits nonzero on any finding; the
# crashing input is left in the build directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
target=${2:-session}
shift $(($# < 2 ? $# : 2))
build=${ORVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}

case $target in
  session) max_len=8192 ;;
  file_run) max_len=2048 ;;
  *)
    echo "unknown fuzz target: $target (session or file_run)" >&2
    exit 2
    ;;
esac

CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANE_BUILD_FUZZERS=ON -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCHMARKS=OFF \
  -DORVANE_SANITIZE=ON -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$build" --target "orvane_${target}_fuzzer" -j2

corpus=$build/fuzz-corpus/$target
mkdir -p "$corpus"
cp -n "$root/tools/fuzz/corpus/$target"/* "$corpus"/
cd "$build"
"$build/tools/fuzz/orvane_${target}_fuzzer" "$corpus" \
  -dict="$root/tools/fuzz/$target.dict" -max_total_time="$seconds" -max_len=$max_len -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 "$@"
