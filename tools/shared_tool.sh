# shellcheck shell=bash
# Sourced by the scripts that use a test tool kept beside the repository in ../shared/tools (the
# match runner, the Windows manager; never part of Orvane).
#
# shared_tool NAME VARIABLE prints the tool's folder: the one that the environment variable
# VARIABLE names, else ../shared/tools/NAME beside the checkout, else the one where this machine
# keeps the shared tree (a checkout elsewhere, such as CI's clone). It fails with a message naming
# VARIABLE when none holds the tool's build.sh.
shared_tool_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

shared_tool() {
  local name=$1 variable=$2
  local candidate
  for candidate in "${!variable:-}" "$shared_tool_root/../shared/tools/$name" "/work/shared/tools/$name"; do
    if [ -n "$candidate" ] && [ -x "$candidate/build.sh" ]; then
      (cd "$candidate" && pwd)
      return 0
    fi
  done
  echo "the sources of $name are not found; set $variable" >&2
  return 1
}
