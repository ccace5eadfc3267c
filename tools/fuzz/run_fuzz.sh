#!/usr/bin/env bash
# Builds the protocol session fuzzer with clang, the engine instrumented with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for a bounded time (default 60 seconds, or the first
# argument) from the seed scripts in tools/fuzz/corpus/session. Exits nonzero on any finding;
# the crashing input is left in the build directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
build=${ORVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}

CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANE_BUILD_FUZZERS=ON -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCHMARKS=OFF \
  -DORVANE_SANITIZE=ON -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$build" --target orvane_session_fuzzer -j2

corpus=$build/fuzz-corpus/session
mkdir -p "$corpus"
cp -n "$root"/tools/fuzz/corpus/session/* "$corpus"/
cd "$build"
"$build/tools/fuzz/orvane_session_fuzzer" "$corpus" \
  -dict="$root/tools/fuzz/session.dict" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1
