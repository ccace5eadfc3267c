#!/usr/bin/env bash
# Runs the Release brains of BUILD (first argument, default build/) under valgrind's memcheck,
# each in a directory of its own: the file brain on examples/midgame, in a directory without its
# files and with an ill-formed timeouts.dat, and pbrain-orvane through a short scripted game.
# Fails on any memory error or leak, and on a run that does not end as it should.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(mkdir -p "${1:-$root/build}" && cd "${1:-$root/build}" && pwd)

cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target orvane pbrain-orvane -j2 >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The brains' own exit codes are 0 and 1, so valgrind reports its findings with another one.
memcheck_failure=99

# Runs a command under memcheck in the directory $1, standard input from $2, standard output to
# $1/out; prints valgrind's summary and gives the command's exit code.
under_memcheck() {
  local dir=$1 input=$2
  shift 2
  local status=0
  (cd "$dir" && valgrind --error-exitcode=$memcheck_failure --leak-check=full \
    --errors-for-leak-kinds=definite,indirect,possible --log-file=memcheck.log "$@" \
    <"$input" >out) || status=$?
  grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|All heap blocks' \
    "$dir/memcheck.log" | sed 's/^==[0-9]*== */  /'
  if [ "$status" -eq $memcheck_failure ]; then
    cat "$dir/memcheck.log"
    echo "memcheck found errors in $dir"
  fi
  return "$status"
}

# The ending of a run: its exit code, what it printed and what tah.dat holds ("absent" if none).
expect_ending() {
  local dir=$1 status=$2 expected_status=$3 output_pattern=$4 answer_pattern=$5
  local answer=absent output
  [ -e "$dir/tah.dat" ] && answer=$(cat "$dir/tah.dat")
  output=$(cat "$dir/out" && echo .)
  if [ "$status" -ne "$expected_status" ] || ! [[ ${output%.} =~ $output_pattern ]] ||
    ! [[ $answer =~ $answer_pattern ]]; then
    echo "$dir: exit code $status (expected $expected_status), tah.dat: $answer, output:"
    cat "$dir/out"
    return 1
  fi
}

# Runs the file brain in a new directory $1 that holds the files of the directory $2 (none if it
# is empty), then checks the exit code $3, the output pattern $4 and the tah.dat pattern $5.
file_run() {
  local dir=$work/$1 files=$2
  mkdir -p "$dir"
  [ -z "$files" ] || cp "$files"/*.dat "$dir"/
  echo "orvane, $1:"
  local status=0
  under_memcheck "$dir" /dev/null "$build/src/orvane" || status=$?
  [ "$status" -ne $memcheck_failure ] && expect_ending "$dir" "$status" "${@:3}"
}

file_run example "$root/examples/midgame" 0 '^$' '^[0-9]+,[0-9]+$'
file_run no-files "" 0 '^Go-moku brain Orvane' '^absent$'
mkdir -p "$work/ill-formed-files"
cp "$root"/examples/midgame/*.dat "$work/ill-formed-files"/
printf '2.5\r\n180000\r\n' >"$work/ill-formed-files/timeouts.dat"
file_run ill-formed-timeouts "$work/ill-formed-files" 1 $'^Invalid numeric input\r\n$' '^$'

# A game of four moves with short turns, a takeback and a command the brain does not know. The
# opponent plays off the block of opening moves, and far from the stones of the BOARD block.
mkdir -p "$work/pipe"
printf '%s\n' ABOUT 'START 20' 'INFO timeout_turn 2000' 'INFO timeout_match 60000' BEGIN \
  'INFO time_left 58000' 'TURN 12,12' BOARD 10,10,1 11,11,2 9,9,1 DONE 'TAKEBACK 9,9' 'TURN 0,0' \
  SWAP2BOARD RESTART END >"$work/pipe/script"
echo "pbrain-orvane, scripted game:"
status=0
under_memcheck "$work/pipe" "$work/pipe/script" "$build/src/pbrain-orvane" || status=$?
[ "$status" -ne $memcheck_failure ]
moves=$(grep -Ec '^[0-9]+,[0-9]+.$' "$work/pipe/out" || true)
if [ "$status" -ne 0 ] || [ "$moves" -ne 4 ] || grep -q ERROR "$work/pipe/out" ||
  ! grep -q '^UNKNOWN' "$work/pipe/out"; then
  echo "pbrain-orvane: exit code $status, $moves moves, output:"
  cat "$work/pipe/out"
  exit 1
fi
