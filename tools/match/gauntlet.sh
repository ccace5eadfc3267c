#!/usr/bin/env bash
# Plays Orvane's strong brain against a list of opponents under the c-gomoku-cli match runner,
# every balanced opening of each rule's file in tools/match/openings/ with both colours, one game
# at a time, and prints for each opponent and rule the wins, losses and draws, the score and the
# Elo difference with its 95 % interval (tools/match/elo.py). Fails if a game ends otherwise than
# by five in a row or a full board (a time forfeit, an illegal or forbidden move, a crash) or a
# log holds an ERROR reply of Orvane's (the opponents' messages are their own); the games (SGF),
# the logs and the runner's output stay in OUT/<opponent>/<rule>.
#
# Usage: tools/match/gauntlet.sh [-t TC] [-n OPENINGS] [-r RULES] [-m BYTES] [-e COMMAND]
#                                [-x OPTIONS] [-c GAMES] [-o OUT] OPPONENT...
#   OPPONENT  NAME=COMMAND[,OPTION...]: the opponent's program and the runner's options for it,
#             such as nodes=3000 or depth=4 (a partner held to a fixed effort)
#   -t TC     the runner's time control, MATCH/TURN in seconds (default 180/1)
#   -n N      the first N openings of each file (default: all of them)
#   -r RULES  a comma-separated list of freestyle-20, freestyle-15, exact-five-15 and renju-15
#             (default: all four)
#   -m BYTES  the memory each brain may take (default 134217728)
#   -e CMD    Orvane's brain (default BUILD/src/pbrain-orvane-strong, built here)
#   -x OPTS   the runner's options for Orvane, comma-separated (nodes=300000 holds it to a count)
#   -c GAMES  games played at once (default 1; more only when both sides are held to nodes, since
#             games at once share the processors)
#   -o OUT    where the games go (default BUILD/gauntlet)
# BUILD is build/ beside the sources, or the environment's ORVANE_BUILD.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ORVANE_BUILD:-$root/build}
# shellcheck source=tools/shared_tool.sh
source "$root/tools/shared_tool.sh"

tc=180/1
openings=0
rules=freestyle-20,freestyle-15,exact-five-15,renju-15
memory=134217728
orvane=
orvane_options=
concurrency=1
out=$build/gauntlet
while getopts "t:n:r:m:e:x:c:o:" option; do
  case $option in
    t) tc=$OPTARG ;;
    n) openings=$OPTARG ;;
    r) rules=$OPTARG ;;
    m) memory=$OPTARG ;;
    e) orvane=$OPTARG ;;
    x) orvane_options=$OPTARG ;;
    c) concurrency=$OPTARG ;;
    o) out=$OPTARG ;;
    *) sed -n '2,27p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || { sed -n '2,27p' "$0" >&2; exit 2; }

runner=$build/tools/c-gomoku-cli
if [ ! -x "$runner" ]; then
  "$(shared_tool c-gomoku-cli ORVANE_MATCH_RUNNER_SOURCE)/build.sh" "$build/tools" >/dev/null
fi
if [ -n "$orvane" ]; then
  orvane=$(realpath "$orvane")
else
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target pbrain-orvane-strong -j2 >/dev/null
  orvane=$build/src/pbrain-orvane-strong
fi

# The runner's rule and board size for each file of openings.
rule_of() {
  case $1 in
    freestyle-20) echo "0 20" ;;
    freestyle-15) echo "0 15" ;;
    exact-five-15) echo "1 15" ;;
    renju-15) echo "4 15" ;;
    *) echo "unknown rule $1" >&2; return 1 ;;
  esac
}

failed=0
printf '%-16s %-14s %6s %12s %7s %22s\n' opponent rule games W-L-D score "Elo (95 %)"
for opponent in "$@"; do
  name=${opponent%%=*}
  IFS=, read -r -a parts <<<"${opponent#*=}"
  # The runner plays in the match's folder: a program given by a relative path is made absolute.
  command=${parts[0]}
  [ -e "$command" ] && command=$(realpath "$command")
  options=("${parts[@]:1}")
  for rule_name in ${rules//,/ }; do
    read -r rule size < <(rule_of "$rule_name")
    dir=$out/$name/$rule_name
    rm -rf "$dir"
    mkdir -p "$dir"
    if [ "$openings" -gt 0 ]; then
      head -n "$openings" "$root/tools/match/openings/$rule_name.txt" >"$dir/openings.txt"
    else
      cp "$root/tools/match/openings/$rule_name.txt" "$dir/openings.txt"
    fi
    games=$((2 * $(grep -c . "$dir/openings.txt")))
    # shellcheck disable=SC2086 # Orvane's options split at the commas
    (cd "$dir" && "$runner" -each "tc=$tc" "maxmemory=$memory" \
      -engine name=orvane "cmd=$orvane" ${orvane_options//,/ } \
      -engine "name=$name" "cmd=$command" "${options[@]}" \
      -rule "$rule" -boardsize "$size" -games "$games" -repeat -concurrency "$concurrency" \
      -openings "file=$dir/openings.txt" -sgf games.sgf -log >runner.out 2>&1) || {
      tail -5 "$dir/runner.out"
      echo "the match runner failed in $dir"
      failed=1
      continue
    }
    python3 "$root/tools/match/elo.py" "$name" "$rule_name" "$dir/runner.out" || failed=1
    if grep -lE '^orvane -> (ERROR|UNKNOWN)' "$dir"/*.log | grep -q .; then
      echo "$dir: a log holds an ERROR or UNKNOWN reply of Orvane's"
      failed=1
    fi
  done
done
exit $failed
