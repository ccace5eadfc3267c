#!/usr/bin/env bash
# Cross-builds the Windows executables (`cmake --preset windows`, Debian's mingw-w64) and packs
# them with their install text and the licence into dist/orvane-<version>-windows-x86_64.zip, the
# version being the CMake project version. Prints the zip's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake --preset windows >/dev/null
cmake --build --preset windows -j2 >/dev/null

build="build-windows"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no project version in $build/CMakeCache.txt" >&2; exit 1; }
name=orvane-$version-windows-x86_64

staging=$build/package/$name
rm -rf "$staging"
mkdir -p "$staging" dist
cp "$build/src/orvane.exe" "$build/src/pbrain-orvane.exe" "$build/src/pbrain-orvane-strong.exe" \
  "$staging/"
# The install text and the licence with Windows line ends, so that every editor shows their lines.
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' tools/windows/install.txt >"$staging/INSTALL.txt"
sed -e 's/$/\r/' LICENSE >"$staging/LICENSE.txt"

# The files carry the time of the last commit, so that the same tree packs into the same zip.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)
touch -d "@$stamp" "$staging"/*
zip_path=$root/dist/$name.zip
rm -f "$zip_path"
(cd "$staging" && TZ=UTC zip -q -X -D "$zip_path" INSTALL.txt LICENSE.txt orvane.exe pbrain-orvane.exe \
  pbrain-orvane-strong.exe)
echo "$zip_path"
