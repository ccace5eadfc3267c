#!/usr/bin/env bash
# Builds the browser page with the brain in WebAssembly and serves it as static files.
#
#   tools/serve_web.sh [PORT [HOST]]
#
# PORT is 8000 unless given; HOST is 127.0.0.1 (this machine alone) unless given: 0.0.0.0 lets
# a phone or another computer on the same network play too, over IPv4 and IPv6, and prints the
# addresses at which the page answers. Ctrl-C stops the server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
port=${1:-8000}
host=${2:-127.0.0.1}

if ! [[ $port =~ ^[0-9]+$ ]] || ((port < 1 || port > 65535)); then
  echo "serve_web.sh: the port is a number from 1 to 65535, not \"$port\"" >&2
  exit 2
fi

# The port is tried before the build, so that a taken one is said at once and plainly.
python3 "$root/tools/serve_site.py" check "$host" "$port"
"$root/tools/build_web.sh" "$root/build-web"
exec python3 "$root/tools/serve_site.py" serve "$host" "$port" "$root/build-web/site"
