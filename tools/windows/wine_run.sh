#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's Wine prefix, creating the prefix first if
# needed: `tools/windows/wine_run.sh PROGRAM.exe [ARGUMENTS]`. The exit code is the program's.
# CMake uses it as the emulator of the cross-built tests.
set -euo pipefail
# shellcheck source=tools/windows/wine_prefix.sh
source "$(dirname "$0")/wine_prefix.sh"
wine_prefix_ready
exec wine "$@"
