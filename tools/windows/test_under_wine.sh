#!/usr/bin/env bash
# The Windows executables under Wine, checked against the Linux build. Packs the zip
# (tools/package_windows.sh), unpacks it and runs the unpacked orvane.exe and pbrain-orvane.exe:
#   1. the bundled example (examples/midgame): an answer on an empty cell, exit code 0;
#   2. a missing plocha.dat: the banner, byte for byte as the Linux brain prints it, and tah.dat
#      untouched;
#   3. a malformed timeouts.dat: the error report as on Linux, exit code 1, tah.dat empty;
#   4. a pipe session driven as a manager drives it, one command at a time, each reply awaited:
#      every reply byte as on Linux, and the moves legal.
# tools/windows/unit_tests_under_wine.sh runs the unit tests under Wine.
#
# Wine's clock cannot be frozen, so a move that depends on the random draw among the root list's
# leading cells is checked against the set the Linux brain draws from: the Linux brain is run
# under faketime at 32 consecutive milliseconds of the seed's clock. One millisecond more moves
# the generator's first draw on by 134775813 / 2^32 (about 1/32) of its range, so 32 of them
# draw every entry of a list of up to 31 cells at least once, and the root list holds 14. The
# replies are then compared with those of a Linux run that drew the same move; the seconds of a
# MESSAGE line are the only bytes that may differ.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
# shellcheck source=tools/windows/wine_prefix.sh
source tools/windows/wine_prefix.sh

for tool in faketime wine x86_64-w64-mingw32-g++-posix unzip zip; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

# The Linux brains: the reference.
cmake -S . -B build >/dev/null
cmake --build build --target orvane pbrain-orvane -j2 >/dev/null
linux_brain=$root/build/src/orvane
linux_pbrain=$root/build/src/pbrain-orvane

# The Windows brains, from the package.
work=$root/build-windows/wine-test
rm -rf "$work"
mkdir -p "$work/package"
zip_path=$(tools/package_windows.sh)
unzip -q "$zip_path" -d "$work/package"
windows_brain=$work/package/orvane.exe
windows_pbrain=$work/package/pbrain-orvane.exe
echo "testing $(basename "$zip_path")"

wine_server_start
trap wine_server_stop EXIT

failures=0
pass() { echo "  ok: $*"; }
fail() {
  echo "  FAILED: $*" >&2
  failures=$((failures + 1))
}

# check DESCRIPTION COMMAND...: passes when the command succeeds.
check() {
  local description=$1
  shift
  if "$@"; then pass "$description"; else fail "$description"; fi
}

# The Linux brain at the frozen time whose milliseconds are $1, in the current directory.
linux_brain_at() {
  TZ=UTC faketime -f "2026-12-07 13:05:42.$(printf %03d "$1")" "$linux_brain" </dev/null
}

# The Windows brain in directory $1: standard output to $2, the exit code to $3.
windows_brain_in() {
  local status=0
  (cd "$1" && wine "$windows_brain" </dev/null >"$2" 2>"$2.stderr") || status=$?
  echo "$status" >"$3"
}

# Whether $1 is "x,y" naming an empty cell of the board file $2.
is_empty_cell() {
  [[ $1 =~ ^([0-9]+),([0-9]+)$ ]] || return 1
  local x=${BASH_REMATCH[1]} y=${BASH_REMATCH[2]}
  ((x < 20 && y < 20)) || return 1
  local row
  row=$(sed -n "$((y + 1))p" "$2" | tr -d '\r')
  [ "${row:x:1}" = - ]
}

# Whether the file $1 is $2 lines, each ending in CR LF, with no other CR or LF.
is_crlf_lines() {
  [ "$(tr -cd '\n' <"$1" | wc -c)" -eq "$2" ] &&
    [ "$(tr -cd '\r' <"$1" | wc -c)" -eq "$2" ] &&
    [ "$(grep -c $'\r$' "$1")" -eq "$2" ] &&
    [ "$(tail -c 2 "$1" | od -An -c | tr -d ' ')" = '\r\n' ]
}

same_bytes() { cmp -s "$1" "$2"; }
is_empty_file() { [ -f "$1" ] && [ ! -s "$1" ]; }
equals() { [ "$1" = "$2" ]; }
# Whether the line $1 is one of the lines of file $2.
listed_in() { grep -qxF -- "$1" "$2"; }

# A manager's directory $1 holding the files named after it, copied from the example.
prepare() {
  local directory=$1
  shift
  mkdir -p "$directory"
  for file in "$@"; do cp "examples/midgame/$file" "$directory/"; done
}

echo "== 1. the bundled example (examples/midgame)"
prepare "$work/example" tah.dat plocha.dat timeouts.dat
windows_brain_in "$work/example" "$work/example.out" "$work/example.status"
answer=$(cat "$work/example/tah.dat")
for ms in $(seq 0 31); do
  rm -rf "$work/linux"
  prepare "$work/linux" tah.dat plocha.dat timeouts.dat
  (cd "$work/linux" && linux_brain_at "$ms" >/dev/null && cat tah.dat && echo)
done | sort -u >"$work/example.linux-answers"
check "exit code 0" equals "$(cat "$work/example.status")" 0
check "nothing on standard output" is_empty_file "$work/example.out"
check "answer $answer on an empty cell" is_empty_cell "$answer" examples/midgame/plocha.dat
check "answer among the Linux brain's ($(paste -sd' ' "$work/example.linux-answers"))" \
  listed_in "$answer" "$work/example.linux-answers"

echo "== 2. plocha.dat missing: the banner"
prepare "$work/banner" tah.dat timeouts.dat
prepare "$work/banner-linux" tah.dat timeouts.dat
windows_brain_in "$work/banner" "$work/banner.out" "$work/banner.status"
linux_status=0
(cd "$work/banner-linux" && linux_brain_at 0 >"$work/banner.linux-out") || linux_status=$?
check "exit code 0, as on Linux ($linux_status)" equals "$(cat "$work/banner.status")/$linux_status" 0/0
check "the Linux banner is ten lines ending in CR LF" is_crlf_lines "$work/banner.linux-out" 10
check "banner byte for byte as on Linux" same_bytes "$work/banner.out" "$work/banner.linux-out"
check "tah.dat untouched" same_bytes "$work/banner/tah.dat" examples/midgame/tah.dat

echo "== 3. timeouts.dat malformed: the error report"
prepare "$work/error" tah.dat plocha.dat
prepare "$work/error-linux" tah.dat plocha.dat
printf '5.5\r\n180000\r\n' | tee "$work/error/timeouts.dat" >"$work/error-linux/timeouts.dat"
windows_brain_in "$work/error" "$work/error.out" "$work/error.status"
linux_status=0
(cd "$work/error-linux" && linux_brain_at 0 >"$work/error.linux-out") || linux_status=$?
check "exit code 1, as on Linux ($linux_status)" equals "$(cat "$work/error.status")/$linux_status" 1/1
check "the report as on Linux ($(tr -d '\r' <"$work/error.linux-out"))" \
  same_bytes "$work/error.out" "$work/error.linux-out"
check "tah.dat empty" is_empty_file "$work/error/tah.dat"

echo "== 4. a pipe session"
# The brain blocks the opponent's four at 9,5, its only move; the opponent's TURN then makes an
# open three on the diagonal from 10,9, which the brain blocks at either end (a drawn choice).
opponent_turn=12,7
session=(
  "START 20"
  "INFO timeout_turn 10000"
  "INFO timeout_match 180000"
  "BOARD"
  "4,5,1" "5,5,2" "6,5,2" "7,5,2" "8,5,2" "9,9,1" "10,10,1" "10,9,2" "11,8,2"
  "DONE"
  "TURN $opponent_turn"
  "TAKEBACK $opponent_turn"
  "ABOUT"
  "HELLO"
  "END"
)
printf '%s\r\n' "${session[@]}" >"$work/session.in"
stones=("4,5" "5,5" "6,5" "7,5" "8,5" "9,9" "10,10" "10,9" "11,8")

# The Linux brain at the 32 frozen milliseconds, all commands at once.
for ms in $(seq 0 31); do
  TZ=UTC faketime -f "2026-12-07 13:05:42.$(printf %03d "$ms")" "$linux_pbrain" \
    <"$work/session.in" >"$work/session.linux-$ms"
done
move_lines() { tr -d '\r' <"$1" | grep -xE '[0-9]+,[0-9]+' || true; }
for ms in $(seq 0 31); do move_lines "$work/session.linux-$ms" | sed -n 1p; done |
  sort -u >"$work/session.linux-first"
for ms in $(seq 0 31); do move_lines "$work/session.linux-$ms" | sed -n 2p; done |
  sort -u >"$work/session.linux-second"
check "the Linux brain has one answer to BOARD ($(paste -sd' ' "$work/session.linux-first"))" \
  equals "$(wc -l <"$work/session.linux-first")" 1

# The Windows brain, driven as a manager drives it: a command, then its reply awaited (a
# reply that stays in a buffer stops the session at the guard), with the replies copied as
# they come.
coproc pbrain {
  status=0
  wine "$windows_pbrain" 2>"$work/session.stderr" | tee "$work/session.out" || status=$?
  exit "$status"
}
# shellcheck disable=SC2154 # bash sets pbrain_PID for the coprocess
pbrain_pid=$pbrain_PID
# Own copies of the pipe ends, which outlive the coprocess's; the originals are closed, so that
# closing the copy ends the brain's input.
exec {to_brain}>&"${pbrain[1]}" {from_brain}<&"${pbrain[0]}"
eval "exec ${pbrain[1]}>&- ${pbrain[0]}<&-"
# Waits for a reply line; MESSAGE lines come before the line that answers.
await_reply() {
  local line
  while IFS= read -r -t 60 line <&"$from_brain"; do
    [[ $line == MESSAGE* ]] || return 0
  done
  echo "no reply within 60 s" >&2
  return 1
}
awaited=true
for command in "${session[@]}"; do
  printf '%s\r\n' "$command" >&"$to_brain"
  case $command in
    START* | DONE | TURN* | TAKEBACK* | ABOUT | HELLO)
      await_reply || { awaited=false; break; } ;;
  esac
done
exec {to_brain}>&-
# The brain has ended its input at END; one that goes on is stopped at the guard.
for _ in $(seq 600); do kill -0 "$pbrain_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pbrain_pid" 2>/dev/null && { awaited=false; pkill -P "$pbrain_pid" || true; }
pbrain_status=0
wait "$pbrain_pid" || pbrain_status=$?
exec {from_brain}<&-
check "every reply came before the next command" equals "$awaited" true
check "exit code 0" equals "$pbrain_status" 0

mapfile -t windows_moves < <(move_lines "$work/session.out")
first=${windows_moves[0]:-none}
second=${windows_moves[1]:-none}
check "BOARD answered $first, the Linux brain's" listed_in "$first" "$work/session.linux-first"
check "TURN answered $second, one of the Linux brain's ($(paste -sd' ' "$work/session.linux-second"))" \
  listed_in "$second" "$work/session.linux-second"
# Legal: an empty cell of the board, each move in turn.
occupied=" ${stones[*]} "
legal=true
for move in "$first" "$opponent_turn" "$second"; do
  [[ $move =~ ^([0-9]+),([0-9]+)$ ]] && ((BASH_REMATCH[1] < 20 && BASH_REMATCH[2] < 20)) &&
    [[ $occupied != *" $move "* ]] || legal=false
  occupied+="$move "
done
check "both moves on empty cells of the board" equals "$legal" true
# The bytes: the replies of a Linux run that drew the same move as Wine (the move and the threat
# line behind it follow the draw), with the seconds of the MESSAGE lines masked.
mask_seconds() { sed -E 's/^(MESSAGE .*, )[0-9]+\.[0-9]{2} s\r$/\1S.SS s\r/' "$1"; }
mask_seconds "$work/session.out" >"$work/session.masked"
same_draw=0
for ms in $(seq 0 31); do
  if [ "$(move_lines "$work/session.linux-$ms" | sed -n 2p)" = "$second" ]; then
    same_draw=$ms
    break
  fi
done
mask_seconds "$work/session.linux-$same_draw" >"$work/session.expected"
check "every reply byte as on Linux (CR LF once per line), but the seconds of the MESSAGE lines" \
  same_bytes "$work/session.masked" "$work/session.expected"
check "$(wc -l <"$work/session.linux-0") reply lines" is_crlf_lines "$work/session.out" \
  "$(wc -l <"$work/session.linux-0")"

if ((failures > 0)); then
  echo "$failures check(s) failed; the runs are in $work" >&2
  exit 1
fi
echo "all checks passed"
