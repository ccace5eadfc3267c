#!/usr/bin/env bash
# Plays pbrain-orvane-strong under the c-gomoku-cli match runner: four freestyle games on 20 x 20,
# two openings of tools/match/openings.txt each played with both colours, against the classic
# pbrain-orvane, at 1 s a turn and 30 s a game, two games at a time. Fails unless every game ends
# with five in a row or a full board (no time forfeit, illegal move or crash) and no log holds an
# ERROR or UNKNOWN reply. The games (SGF) and the logs stay in BUILD/match/strong (BUILD: first
# argument, default build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(mkdir -p "${1:-$root/build}" && cd "${1:-$root/build}" && pwd)
# shellcheck source=tools/shared_tool.sh
source "$root/tools/shared_tool.sh"
runner_source=$(shared_tool c-gomoku-cli ORVANE_MATCH_RUNNER_SOURCE)

cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target pbrain-orvane pbrain-orvane-strong -j2 >/dev/null
runner=$build/tools/c-gomoku-cli
[ -x "$runner" ] || "$runner_source/build.sh" "$build/tools" >/dev/null

dir=$build/match/strong
rm -rf "$dir"
mkdir -p "$dir"
head -n 2 "$root/tools/match/openings.txt" >"$dir/openings.txt"
games=4
(cd "$dir" && "$runner" -each tc=30/1 \
  -engine name=strong "cmd=$build/src/pbrain-orvane-strong" \
  -engine name=classic "cmd=$build/src/pbrain-orvane" \
  -rule 0 -boardsize 20 -games "$games" -repeat -concurrency 2 \
  -openings "file=$dir/openings.txt" -sgf games.sgf -log >runner.out 2>&1) || {
  cat "$dir/runner.out"
  echo "the match runner failed in $dir"
  exit 1
}
grep 'Finished game' "$dir/runner.out" | sed 's/^\[[0-9]*\] //'
grep 'Score of' "$dir/runner.out" | tail -1
ended_well=$(grep -Ec 'Finished game .*\{((Black|White) win by five connection|Draw by fullfilled board)\}$' \
  "$dir/runner.out" || true)
if [ "$ended_well" -ne "$games" ]; then
  echo "$dir: $ended_well of $games games ended with five in a row or a full board"
  exit 1
fi
if grep -nE ' -> (ERROR|UNKNOWN)' "$dir"/*.log; then
  echo "$dir: ERROR or UNKNOWN in the logs above"
  exit 1
fi
