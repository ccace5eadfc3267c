#!/usr/bin/env bash
# Builds the brain and runs it once, as a manager would, on a copy of an example directory
# (default: examples/midgame), then shows the position and the answer written to tah.dat.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
example=${1:-$root/examples/midgame}

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" --target orvane -j2 >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$example"/tah.dat "$example"/plocha.dat "$example"/timeouts.dat "$work"/

echo "Own stone symbol: $(head -c 1 "$work/tah.dat")"
echo "Position (x runs left to right from 0, y top to bottom from 0):"
tr -d '\r' <"$work/plocha.dat"
echo "Time for the turn (s) and match time left: $(tr -d '\r' <"$work/timeouts.dat" | paste -sd' ')"
(cd "$work" && "$root/build/src/orvane")
echo "Answer in tah.dat (x,y): $(cat "$work/tah.dat")"
