#!/usr/bin/env bash
# Nodes per second of the WebAssembly brain against native pbrain-orvane on the 40 bench
# positions (tools/wasm_speed.mjs): builds both, then prints both rates and their ratio. The
# arguments: the number of rounds, of which the fastest counts (5 by default), and `strong` for
# the strong search at a fixed depth.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/build_web.sh" "$root/build-web" >/dev/null
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --target pbrain-orvane -j2 >/dev/null
exec node "$root/tools/wasm_speed.mjs" "$@"
