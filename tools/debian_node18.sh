#!/usr/bin/env bash
# Runs a command (its arguments) with Debian's Node 18 as `node`, the oldest Node the orvane
# package claims, beside the newer Node installed. The packages are fetched once into
# build-web/node18 and unpacked there, not installed; Debian's Node looks for some of its own
# modules in /usr/share/nodejs, so the command runs in a mount namespace where that folder holds
# them too.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
place=$root/build-web/node18
version=$(apt-cache madison nodejs | awk '$3 ~ /^18\./ { print $3; exit }')
if [ -z "$version" ]; then
  echo "Debian offers no Node 18 here" >&2
  exit 1
fi

if [ ! -x "$place/bin/node" ]; then
  rm -rf "$place" && mkdir -p "$place/debs" "$place/bin"
  (cd "$place/debs" && apt-get download -q "nodejs=$version" "libnode108=$version" \
    node-cjs-module-lexer node-undici >/dev/null 2>&1)
  for deb in "$place"/debs/*.deb; do dpkg -x "$deb" "$place/root"; done
  mkdir -p "$place/share"
  cp -r /usr/share/nodejs/. "$place/share/" 2>/dev/null || true
  cp -rn "$place/root/usr/share/nodejs/." "$place/share/"
  cat >"$place/bin/node" <<SCRIPT
#!/bin/sh
LD_LIBRARY_PATH="$place/root/usr/lib/x86_64-linux-gnu" exec "$place/root/usr/bin/node" "\$@"
SCRIPT
  chmod +x "$place/bin/node"
fi

mkdir -p /usr/share/nodejs
exec unshare -m sh -c 'mount --bind "$0/share" /usr/share/nodejs && PATH="$0/bin:$PATH" "$@"' \
  "$place" "$@"
