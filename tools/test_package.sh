#!/usr/bin/env bash
# The orvane package's tests. Builds the package (build-web/package) and pbrain-orvane (build/),
# packs the package into build-web/, installs the tarball offline into an empty temporary project,
# and runs the tests of web/engine/test against that installation; then the tests of the brain in
# Node again under Debian's Node 18, the oldest the package claims.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/build_web.sh" "$root/build-web"
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --target pbrain-orvane -j2

tarball="$root/build-web/$(cd "$root/build-web" && npm pack ./package --silent)"
project=$(mktemp -d)
trap 'rm -rf "$project"' EXIT
(
  cd "$project"
  echo '{ "name": "orvane-user", "private": true, "type": "module" }' >package.json
  npm install --offline --no-audit --no-fund "$tarball"
)

cd "$root/web/engine/test"
npm ci --no-audit --no-fund
export ORVANE_TARBALL="$tarball" ORVANE_PROJECT="$project"
npm test
"$root/tools/debian_node18.sh" node --test brain.test.mjs control.test.mjs game_state.test.mjs rules.test.mjs
