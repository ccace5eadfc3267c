#!/usr/bin/env bash
# Builds the browser page with the brain in WebAssembly and serves it as static files on
# http://localhost:8000 (another port as the first argument). Ctrl-C stops the server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
port=${1:-8000}

"$root/tools/build_web.sh" "$root/build-web"
echo "Play at http://localhost:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$root/build-web/site"
