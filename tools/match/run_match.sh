#!/usr/bin/env bash
# Plays pbrain-orvane against itself under the c-gomoku-cli match runner, 3 s a turn, two games at
# a time, each opening of tools/match/openings.txt played twice with the colours swapped: freestyle
# on 20 x 20, the first half of the openings with TURN and the second half with the whole
# position sent by BOARD before every move; then on 15 x 15, where the runner referees each rule,
# 4 games of exactly five, 4 of renju (black's forbidden moves lose) and 2 of freestyle. Fails
# unless every game ends with five in a row or a full board (no time forfeit, illegal or forbidden
# move, or crash) and no log holds an ERROR. The games (SGF) and the logs stay in BUILD/match
# (BUILD: first argument, default build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(mkdir -p "${1:-$root/build}" && cd "${1:-$root/build}" && pwd)
# shellcheck source=tools/shared_tool.sh
source "$root/tools/shared_tool.sh"
runner_source=$(shared_tool c-gomoku-cli ORVANE_MATCH_RUNNER_SOURCE)
openings=$root/tools/match/openings.txt

cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target pbrain-orvane -j2 >/dev/null
brain=$build/src/pbrain-orvane
runner=$build/tools/c-gomoku-cli
[ -x "$runner" ] || "$runner_source/build.sh" "$build/tools" >/dev/null

# Plays every opening of the file $2 with both colours in the directory $1, under the rule $3 on a
# board of $4 x $4; further arguments go to the runner.
play() {
  local dir=$1 opening_file=$2 rule=$3 size=$4
  shift 4
  rm -rf "$dir"
  mkdir -p "$dir"
  local games=$(($(grep -c . "$opening_file") * 2))
  (cd "$dir" && "$runner" -each tc=180/3 \
    -engine name=orvane-a "cmd=$brain" -engine name=orvane-b "cmd=$brain" \
    -rule "$rule" -boardsize "$size" -games "$games" -repeat -concurrency 2 \
    -openings "file=$opening_file" -sgf games.sgf -log "$@" >runner.out 2>&1) || {
    cat "$dir/runner.out"
    echo "the match runner failed in $dir"
    return 1
  }
  local finished ended_well
  finished=$(grep -c 'Finished game' "$dir/runner.out" || true)
  ended_well=$(grep -Ec 'Finished game .*\{((Black|White) win by five connection|Draw by fullfilled board)\}$' \
    "$dir/runner.out" || true)
  grep 'Finished game' "$dir/runner.out" | sed 's/^\[[0-9]*\] //'
  grep 'Score of' "$dir/runner.out" | tail -1
  if [ "$finished" -ne "$games" ] || [ "$ended_well" -ne "$games" ]; then
    echo "$dir: $finished of $games games finished, $ended_well with five in a row or a full board"
    return 1
  fi
  if grep -n ERROR "$dir"/*.log "$dir/runner.out"; then
    echo "$dir: ERROR in the logs above"
    return 1
  fi
}

match=$build/match
mkdir -p "$match"
half=$(($(grep -c . "$openings") / 2))
head -n "$half" "$openings" >"$match/openings-turn.txt"
tail -n +"$((half + 1))" "$openings" >"$match/openings-board.txt"

head -n 2 "$openings" >"$match/openings-two.txt"
head -n 1 "$openings" >"$match/openings-one.txt"

echo "Moves sent with TURN:"
play "$match/turn" "$match/openings-turn.txt" 0 20
echo "Whole position sent with BOARD:"
play "$match/board" "$match/openings-board.txt" 0 20 -sendbyboard
echo "Exactly five on 15 x 15:"
play "$match/exact-five-15" "$match/openings-two.txt" 1 15
echo "Renju on 15 x 15:"
play "$match/renju-15" "$match/openings-two.txt" 4 15
echo "Freestyle on 15 x 15:"
play "$match/freestyle-15" "$match/openings-one.txt" 0 15
