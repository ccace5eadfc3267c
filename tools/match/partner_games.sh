#!/usr/bin/env bash
# A short gauntlet for continuous integration: builds the sparring partner from
# ../shared/tools/rapfi (a test tool, never part of Orvane) and plays the strong brain against it,
# the first opening of each rule's file with both colours (freestyle on 20 x 20 and 15 x 15,
# exactly five and renju on 15 x 15), both sides held to a count of nodes so that a busy machine
# changes nothing. It checks the tools and that every game ends on the board with no ERROR; the
# score of so few games measures nothing (docs/strength.md has the matches that do).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ORVANE_BUILD:-$root/build}
# shellcheck source=tools/shared_tool.sh
source "$root/tools/shared_tool.sh"
partner=$build/tools/pbrain-rapfi
if [ ! -x "$partner" ]; then
  "$(shared_tool rapfi ORVANE_SPARRING_PARTNER_SOURCE)/build.sh" "$build/tools" >/dev/null
fi
ORVANE_BUILD=$build "$root/tools/match/gauntlet.sh" -t 120/5 -n 1 -m 67108864 -x nodes=20000 \
  -o "$build/match/partner" "partner=$partner,nodes=3000"
