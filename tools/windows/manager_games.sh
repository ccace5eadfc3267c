#!/usr/bin/env bash
# The Windows brains from the package under the Windows tournament manager, as tournaments run
# them: orvane.exe started once per move through the three files, pbrain-orvane.exe over standard
# input and output. The manager is built from ../shared/tools/piskvork (a test tool, never part of
# Orvane) into BUILD/tools/piskvork and plays through that folder's play.sh under Wine and Xvfb,
# with its time forfeits on (1 s of grace) and 180 s a game. Eight games of five or more on 20 x 20:
# orvane.exe against pbrain-orvane.exe with both colours, and each against itself, at turns of 1 s
# and 3 s; the 3-second games start from the manager's openings, the others from the empty board.
# Then pbrain-orvane.exe against itself on 15 x 15 at 3 s a turn, two games of renju (the manager
# referees black's forbidden moves) and two of caro; and pbrain-orvane-strong.exe against
# pbrain-orvane.exe with both colours on 20 x 20 at 1 s. Two lanes play at once, each in a Wine
# prefix of its own, with as many brain starts in each.
#
# Fails on a game that does not end with five in a row or a full board, an answer over the turn
# time, an ERROR or UNKNOWN reply in a pipe log, or any message of the manager. A brain's first
# answer is recorded with its start (the manager starts a stdin/stdout brain at its first move and
# leaves the time it takes to answer START out of the turn); it may not pass the turn and the
# grace, and every later answer may not pass the turn. The one known
# exception: Wine now and then fails to start a program before any of its code runs, and the
# manager ends the game with "Can't create process (error 1359)", and now and then the virtual
# display fails to start before the manager does, leaving no game at all; such a game is played
# again, up to twice, and reported. Prints one line per game and the time of the whole. The games stay
# in BUILD/windows-manager (BUILD: first argument, default build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(mkdir -p "${1:-$root/build}" && cd "${1:-$root/build}" && pwd)
cd "$root"
# shellcheck source=tools/windows/wine_prefix.sh
source tools/windows/wine_prefix.sh
# shellcheck source=tools/shared_tool.sh
source tools/shared_tool.sh
started=$SECONDS

for tool in wine xvfb-run xauth python3 unzip x86_64-w64-mingw32-g++ x86_64-w64-mingw32-windres; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
manager_source=$(shared_tool piskvork ORVANE_WINDOWS_MANAGER_SOURCE)

work=$build/windows-manager
rm -rf "$work"
mkdir -p "$work/package"
unzip -q "$(tools/package_windows.sh)" -d "$work/package"
file_brain=$work/package/orvane.exe
pipe_brain=$work/package/pbrain-orvane.exe
strong_brain=$work/package/pbrain-orvane-strong.exe
manager=$build/tools/piskvork/piskvork.exe
[ -f "$manager" ] || "$manager_source/build.sh" "$build/tools/piskvork" >/dev/null

# The games: first brain, second brain, turn in milliseconds, opening index (-1: none), the
# manager's rule (2 renju, 8 caro), board size.
lane_a=(
  "$pipe_brain $file_brain 1000 -1 0 20"
  "$file_brain $pipe_brain 1000 -1 0 20"
  "$pipe_brain $pipe_brain 1000 -1 0 20"
  "$file_brain $file_brain 3000 14 0 20"
  "$pipe_brain $pipe_brain 3000 5 2 15"
  "$pipe_brain $pipe_brain 3000 9 8 15"
  "$strong_brain $pipe_brain 1000 -1 0 20"
)
lane_b=(
  "$file_brain $file_brain 1000 -1 0 20"
  "$pipe_brain $file_brain 3000 3 0 20"
  "$file_brain $pipe_brain 3000 3 0 20"
  "$pipe_brain $pipe_brain 3000 27 0 20"
  "$pipe_brain $pipe_brain 3000 11 2 15"
  "$pipe_brain $pipe_brain 3000 17 8 15"
  "$pipe_brain $strong_brain 1000 -1 0 20"
)

# The answers after each brain's first in the record $1 (opening stones first, the turn in
# milliseconds $3) that took longer than the turn; the opening's stones are the first $2 moves.
# $4 and $5 say whether the first and the second player's answers count (1) or not (0): the
# file brain is started anew for every move, so each of its answers holds Wine's start of a
# process, which the manager's grace covers and the brain cannot.
answers_over_turn() {
  tr -d '\r' <"$1" | awk -F, -v opening="$2" -v turn="$3" -v first="$4" -v second="$5" \
    '/^[0-9]+,[0-9]+,[0-9]+$/ {
       counts = moves % 2 == 0 ? first : second
       if (moves++ >= opening + 2 && counts && $3 > turn) over++
     } END { print over + 0 }'
}

# 1 when the player named $1 (first=NAME or second=NAME in a play.sh line) talks over the pipe,
# 0 for the file brain.
pipe_player() {
  [[ $1 == orvane* ]] && echo 0 || echo 1
}

# What is wrong with the game whose play.sh line is $1, whose folder is $2 and whose turn is $3
# ms; nothing if all is well, "start failure: why" when Wine or the display failed to start. The
# manager's messages go to standard error, or to its message log beside the brains' MESSAGE lines
# ("N) brain: text"), a log that is not written when no brain sends a MESSAGE.
game_fault() {
  local line=$1 dir=$2 turn=$3 message opening=0
  message=$(tr -d '\r' 2>/dev/null <"$dir/messages.txt" | grep -vE '^ *[0-9]+\) ' | head -n 1 || true)
  if [ ! -d "$dir" ]; then
    echo "start failure: no game was played (${line:-no output})"
  elif [[ $line == *"stderr='"* ]]; then
    if [[ $line == *"(error 1359)"* ]]; then
      echo "start failure: Wine failed to start a brain (error 1359)"
    else
      echo "a message of the manager"
    fi
  elif [ -n "$message" ]; then
    echo "the manager's message \"$message\""
  elif [[ $line != *" end=five, "* && $line != *" end=draw(board full)"* ]]; then
    echo "not five in a row or a full board"
  elif [[ $line =~ over_turn\+tol\ [1-9] ]]; then
    echo "an answer over the turn time and the grace"
  elif [[ $line =~ \(opening\ ([0-9]+)\) ]] && opening=${BASH_REMATCH[1]} &&
    [[ $line =~ first=([^ ]+)\ second=([^ ]+) ]] &&
    [ "$(answers_over_turn "$dir/game.psq" "$opening" "$turn" \
      "$(pipe_player "${BASH_REMATCH[1]}")" "$(pipe_player "${BASH_REMATCH[2]}")")" -gt 0 ]; then
    echo "an answer over the turn time"
  elif grep -qsE '^(ERROR|UNKNOWN)' "$dir"/pipe/*.log; then
    echo "ERROR or UNKNOWN in a pipe log"
  fi
}

# Plays the games of one lane ($1: its name, then the games) in a Wine prefix of its own, each
# game in a play.sh run of its own; prints a line per game and "FAILED" lines for the faults.
play_lane() {
  local lane=$1
  shift
  export WINEPREFIX=$work/wine-prefix-$lane
  wine_prefix_ready
  local number=0 game
  for game in "$@"; do
    number=$((number + 1))
    local first second turn opening rule size
    read -r first second turn opening rule size <<<"$game"
    local options=(-same-order -turn "$turn" -match 180 -tolerance 1000 -rule "$rule" -size "$size"
      -mgr "$manager")
    [ "$opening" -lt 0 ] || options+=(-opening "$opening")
    local attempt line dir fault replays=""
    for attempt in 1 2 3; do
      dir=$work/games-$lane$number-$attempt
      line=$(PISKVORK_WINEPREFIX=$WINEPREFIX "$manager_source/play.sh" "${options[@]}" -out "$dir" \
        "$first" "$second" 1 2>&1 | tail -n 1) || true
      fault=$(game_fault "$line" "$dir/game01" "$turn")
      if [[ $fault != "start failure: "* ]] || [ "$attempt" -eq 3 ]; then break; fi
      replays+=" [replayed: ${fault#start failure: }]"
    done
    echo "$lane$number: ${line#game 1: }$replays"
    [ -z "$fault" ] || echo "FAILED $lane$number: $fault (the game is in $dir)"
  done
}

play_lane a "${lane_a[@]}" 2>&1 | tee "$work/lane-a.out" &
lane_a_pid=$!
play_lane b "${lane_b[@]}" 2>&1 | tee "$work/lane-b.out" &
lane_b_pid=$!
wait "$lane_a_pid" "$lane_b_pid" || true

games=$(cat "$work/lane-a.out" "$work/lane-b.out" | grep -c '^[ab][0-9]: ' || true)
failures=$(cat "$work/lane-a.out" "$work/lane-b.out" | grep -c '^FAILED' || true)
echo "$games games under the manager in $((SECONDS - started)) s"
if [ "$games" -ne $((${#lane_a[@]} + ${#lane_b[@]})) ] || [ "$failures" -gt 0 ]; then
  echo "$failures game(s) failed; the games are in $work" >&2
  exit 1
fi
