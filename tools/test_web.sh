#!/usr/bin/env bash
# The browser page's tests. Builds the WebAssembly brain with the page (build-web/site) and
# pbrain-orvane (build/), then, under Node: compares the module's replies with pbrain-orvane's
# for a scripted session under a stopped clock, and plays the page in headless Chromium. The
# page's screenshot is left in build-web/page-test.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/build_web.sh" "$root/build-web"
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --target pbrain-orvane -j2

cd "$root/web/test"
npm ci --no-audit --no-fund
npm test
echo "Screenshot of the page: $root/build-web/page-test.png"
