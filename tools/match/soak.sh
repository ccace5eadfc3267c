#!/usr/bin/env bash
# A long series of games, run by hand (outside CI), and its summary:
#   - under the c-gomoku-cli match runner, pbrain-orvane against itself, two games at a time: for
#     each TURN:GAMES of -linux (the turn in seconds, 180 s a game), GAMES games with the moves
#     sent by TURN and GAMES more with the whole position sent by BOARD, on the openings of
#     tools/match/openings.txt (each with both colours, turned and mirrored on every new pass);
#   - under the Windows manager, pbrain-orvane.exe against orvane.exe from the Windows package,
#     colours alternating, in LANES lanes at once, each in a Wine prefix of its own: for each
#     TURN:GAMES of -windows (the turn in milliseconds, 180 s a game, time forfeits on with 1 s of
#     grace), GAMES games in each lane, from the manager's openings.
# The summary gives, for each part and setting, the games, how they ended and the longest answer
# against the turn's time; then time forfeits, illegal moves, crashes and errors (ERROR or UNKNOWN
# replies, messages of the manager, games that ended otherwise), each of which must be 0, and
# Wine's known failures to start a brain (error 1359), which are counted apart. Exits nonzero
# unless those four are 0.
#
# usage: soak.sh [-linux "0.5:120 1:120 2:120 3:40"] [-windows "2000:50 3000:50"] [-lanes 2]
#                [-out build/soak] [-summary]
# -summary only sums up the games already in the output folder (the same -linux and -windows
# name them), for instance of a soak stopped early. The defaults play 800 games under the runner
# and 200 under the manager. A part given as "" is skipped. Everything played stays in the
# output folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
# shellcheck source=tools/shared_tool.sh
source tools/shared_tool.sh
# shellcheck source=tools/windows/wine_prefix.sh
source tools/windows/wine_prefix.sh

linux_turns="0.5:120 1:120 2:120 3:40" windows_turns="2000:50 3000:50" lanes=2
out=$root/build/soak summary_only=false
while [ $# -gt 0 ]; do
  case $1 in
    -summary) summary_only=true; shift; continue ;;
    -linux) linux_turns=$2 ;;
    -windows) windows_turns=$2 ;;
    -lanes) lanes=$2 ;;
    -out) out=$2 ;;
    *) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2; exit 2 ;;
  esac
  shift 2
done
mkdir -p "$out"
out=$(cd "$out" && pwd)
started=$SECONDS

# Plays the games, unless only the summary of the games in the output folder is asked for.
if [ "$summary_only" = false ]; then
  cmake -S . -B build >/dev/null
  cmake --build build --target pbrain-orvane -j2 >/dev/null
  runner=build/tools/c-gomoku-cli
  runner_source=$(shared_tool c-gomoku-cli ORVANE_MATCH_RUNNER_SOURCE)
  [ -x "$runner" ] || "$runner_source/build.sh" build/tools >/dev/null
  manager_source=$(shared_tool piskvork ORVANE_WINDOWS_MANAGER_SOURCE)
  manager=$root/build/tools/piskvork/piskvork.exe
  if [ -n "$windows_turns" ]; then
    [ -f "$manager" ] || "$manager_source/build.sh" build/tools/piskvork >/dev/null
    rm -rf "$out/package"
    unzip -q "$(tools/package_windows.sh)" -d "$out/package"
  fi

  # One runner match in $1 at turn $2 seconds, $3 games; further arguments go to the runner.
  linux_match() {
    local dir=$1 turn=$2 games=$3
    shift 3
    rm -rf "$dir"
    mkdir -p "$dir"
    (cd "$dir" && "$root/$runner" -each "tc=180/$turn" \
      -engine name=orvane-a "cmd=$root/build/src/pbrain-orvane" \
      -engine name=orvane-b "cmd=$root/build/src/pbrain-orvane" \
      -rule 0 -boardsize 20 -games "$games" -repeat -transform -concurrency 2 \
      -openings "file=$root/tools/match/openings.txt" -sgf games.sgf -log "$@" >runner.out 2>&1) ||
      echo "the runner failed in $dir" >>"$dir/runner.out"
  }

  # One lane of the manager's games, $1 its number: a play.sh run for every turn, in its own prefix.
  windows_lane() {
    local lane=$1 setting turn games half openings first index=0 runs
    runs=$(wc -w <<<"$windows_turns")
    export WINEPREFIX=$out/windows/wine-prefix-$lane
    wine_prefix_ready
    openings=$(grep -c , "$root/build/tools/piskvork/openings.txt")
    for setting in $windows_turns; do
      turn=${setting%:*} games=${setting#*:}
      half=$(((games + 1) / 2))
      # Every run its own stretch of the openings (play.sh gives games 2k-1 and 2k the same one).
      first=$((((lane - 1) * runs + index) * half % (openings - half + 1)))
      index=$((index + 1))
      PISKVORK_WINEPREFIX=$WINEPREFIX "$manager_source/play.sh" -turn "$turn" -match 180 \
        -tolerance 1000 -opening "$first" -mgr "$manager" -out "$out/windows/lane$lane-$turn" \
        "$out/package/pbrain-orvane.exe" "$out/package/orvane.exe" "$games" \
        >"$out/windows/lane$lane-$turn.out" 2>&1 || true
    done
  }

  if [ -n "$windows_turns" ]; then
    rm -rf "$out/windows"
    mkdir -p "$out/windows"
    for lane in $(seq "$lanes"); do windows_lane "$lane" & done
  fi
  if [ -n "$linux_turns" ]; then
    rm -rf "$out/linux"
    for setting in $linux_turns; do
      linux_match "$out/linux/turn-${setting%:*}" "${setting%:*}" "${setting#*:}"
      linux_match "$out/linux/board-${setting%:*}" "${setting%:*}" "${setting#*:}" -sendbyboard
    done
  fi
  wait
fi

faults=0
rm -f "$out/totals"
[ "$summary_only" = true ] || echo "== soak: $((SECONDS - started)) s"
echo "== the games are in $out"
if [ -n "$linux_turns" ]; then
  echo "c-gomoku-cli, pbrain-orvane against itself, 2 games at a time:"
  for dir in "$out"/linux/*/; do
    setting=$(basename "$dir")
    longest=$(grep -o 'C\[[0-9]*ms\]' "$dir/games.sgf" 2>/dev/null | tr -dc '0-9\n' |
      sort -n | tail -1)
    errors=$(cat "$dir"/*.log 2>/dev/null | grep -cE ' <- (ERROR|UNKNOWN)' || true)
    grep 'Finished game' "$dir/runner.out" | sed 's/.*{\(.*\)}$/\1/' |
      awk -v setting="$setting" -v longest="${longest:-0}" -v errors="$errors" \
        -v failed="$(grep -c 'runner failed' "$dir/runner.out" || true)" '
        { n++ }
        /win by five connection/ { five++ } /Draw by fullfilled board/ { full++ }
        /time forfeit/ { forfeit++ } /illegal move/ { illegal++ } /crash/ { crash++ }
        END {
          other = n - five - full - forfeit - illegal - crash + failed
          split(setting, s, "-")
          printf "  turn %s s, %s: %d games, %d five in a row, %d full board;", s[2],
            s[1] == "board" ? "BOARD" : "TURN", n, five, full
          printf " longest answer %d ms; forfeits %d, illegal %d, crashes %d, errors %d\n",
            longest, forfeit, illegal, crash, errors + other
          print "TOTAL", n + 0, five + 0, full + 0, forfeit + 0, illegal + 0, crash + 0,
            errors + other, 0 > "/dev/stderr"
        }'
  done 2>>"$out/totals"
fi
if [ -n "$windows_turns" ]; then
  echo "Windows manager, pbrain-orvane.exe against orvane.exe, $lanes lanes:"
  for setting in $windows_turns; do
    turn=${setting%:*}
    cat "$out"/windows/lane*-"$turn".out | grep '^game ' >"$out/windows/turn-$turn.lines" || true
    errors=$(cat "$out"/windows/lane*-"$turn"/game*/pipe/*.log 2>/dev/null |
      grep -cE '^(ERROR|UNKNOWN)' || true)
    awk -v turn="$turn" -v errors="$errors" '
      { n++ }
      / end=five, / { five++ }
      / end=draw\(board full\)/ { full++ }
      / end=TIMEOUT/ { forfeit++ }
      / end=ERROR/ && /error 1359/ { start++ }
      / end=(ERROR|HUNG|UNEXPLAINED)/ && !/error 1359/ { other++ }
      {
        for (i = 1; i <= NF; i++) {
          if ($i == "max" && $(i + 1) + 0 > max[$(i - 3)]) max[$(i - 3)] = $(i + 1) + 0
          if ($i == "over_turn") over += $(i + 1)
        }
      }
      END {
        longest = ""
        for (b in max) longest = longest sprintf(" %s %d ms", b, max[b])
        printf "  turn %d ms: %d games, %d five in a row, %d full board;", turn, n, five, full
        printf " longest answer:%s (%d over the turn); forfeits %d, errors %d;", longest, over,
          forfeit, errors + other
        printf " Wine start failures (error 1359) %d\n", start
        print "TOTAL", n + 0, five + 0, full + 0, forfeit + 0, 0, 0, errors + other,
          start + 0 > "/dev/stderr"
      }' "$out/windows/turn-$turn.lines"
  done 2>>"$out/totals"
fi
awk '
  { for (i = 2; i <= 9; i++) t[i] += $i }
  END {
    printf "all: %d games, %d five in a row, %d full board;", t[2], t[3], t[4]
    printf " forfeits %d, illegal moves %d, crashes %d, errors %d;", t[5], t[6], t[7], t[8]
    printf " Wine start failures (error 1359) %d\n", t[9]
    exit t[5] + t[6] + t[7] + t[8] > 0
  }' "$out/totals" || faults=1
rm -f "$out/totals"
exit "$faults"
