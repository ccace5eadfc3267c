#!/usr/bin/env bash
# Builds the browser page with the brain in WebAssembly and serves it as static files.
#
#   tools/serve_web.sh [PORT [HOST]]
#
# PORT is 8000 unless given; HOST is 127.0.0.1 (this machine alone) unless given: 0.0.0.0 lets
# a phone or another computer on the same network play too. Ctrl-C stops the server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
port=${1:-8000}
host=${2:-127.0.0.1}

if ! [[ $port =~ ^[0-9]+$ ]] || ((port < 1 || port > 65535)); then
  echo "serve_web.sh: the port is a number from 1 to 65535, not \"$port\"" >&2
  exit 2
fi

# The port is tried before the build, so that a taken one is said at once and plainly.
python3 - "$host" "$port" <<'EOF'
import errno, socket, sys

host, port = sys.argv[1], int(sys.argv[2])
try:
    family = socket.getaddrinfo(host, port, type=socket.SOCK_STREAM)[0][0]
    with socket.socket(family, socket.SOCK_STREAM) as probe:
        # As the server itself does, so that a port that has just been freed counts as free.
        probe.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        probe.bind((host, port))
except OSError as error:
    reason = error.strerror or str(error)
    if error.errno == errno.EADDRINUSE:
        reason = (f"port {port} is taken: another program (perhaps another serve_web.sh) "
                  f"listens on it. Stop it, or choose another port: tools/serve_web.sh {port + 1}"
                  + ("" if host == "127.0.0.1" else f" {host}"))
    print(f"serve_web.sh: cannot serve on {host}, port {port}: {reason}", file=sys.stderr)
    sys.exit(1)
EOF

"$root/tools/build_web.sh" "$root/build-web"
if [[ $host == 0.0.0.0 || $host == :: ]]; then
  echo "Play at http://localhost:$port/ on this machine, and from the same network at:"
  for address in $(hostname -I 2>/dev/null); do
    [[ $address == *:* ]] && address="[$address]"
    echo "  http://$address:$port/"
  done
  echo "(Keeping the page for offline use and installing it need localhost or https; over the"
  echo "network the page plays, but is not kept.)"
else
  echo "Play at http://$host:$port/"
fi
exec python3 -m http.server "$port" --bind "$host" --directory "$root/build-web/site"
