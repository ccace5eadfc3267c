#!/usr/bin/env bash
# Plays the games that the evaluation is tuned on: the sparring engine against itself, one side
# held to NODES nodes a move and the other to twice as many, from every balanced opening of each
# rule's file in tools/match/openings/ with both colours, turned and mirrored by the runner.
# The games (SGF, with the rule, the size and the result) go to OUT/<rule>.sgf.
#
# Usage: tools/tune/make_games.sh ENGINE OUT [NODES] [ROUNDS] [RULES]
#   ENGINE  the sparring engine's pbrain program (../shared/tools/rapfi/build.sh builds it)
#   NODES   the weaker side's nodes a move (default 3000)
#   ROUNDS  how many times each opening is played with both colours, turned anew each time
#           (default 2)
#   RULES   a comma-separated list of freestyle-20, freestyle-15, exact-five-15 and renju-15
#           (default: all four)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ORVANE_BUILD:-$root/build}
# shellcheck source=tools/shared_tool.sh
source "$root/tools/shared_tool.sh"
# The runner plays in the output folder: the engine by its absolute path.
engine=$(realpath "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)
nodes=${3:-3000}
rounds=${4:-2}
rules=${5:-freestyle-20,freestyle-15,exact-five-15,renju-15}
runner=$build/tools/c-gomoku-cli
if [ ! -x "$runner" ]; then
  "$(shared_tool c-gomoku-cli ORVANE_MATCH_RUNNER_SOURCE)/build.sh" "$build/tools" >/dev/null
fi
for name in ${rules//,/ }; do
  case $name in
    freestyle-20) rule=0 size=20 ;;
    freestyle-15) rule=0 size=15 ;;
    exact-five-15) rule=1 size=15 ;;
    renju-15) rule=4 size=15 ;;
    *) echo "unknown rule $name" >&2; exit 2 ;;
  esac
  openings=$root/tools/match/openings/$name.txt
  games=$((2 * rounds * $(grep -c . "$openings")))
  rm -f "$out/$name.sgf"
  (cd "$out" && "$runner" -each tc=600/10 maxmemory=67108864 \
    -engine name=weaker "cmd=$engine" "nodes=$nodes" \
    -engine name=stronger "cmd=$engine" "nodes=$((2 * nodes))" \
    -rule "$rule" -boardsize "$size" -games "$games" -repeat -transform -concurrency 1 \
    -openings "file=$openings" -sgf "$name.sgf" >"$name.out" 2>&1)
  echo "$name: $(grep -c 'Finished game' "$out/$name.out") games"
done
