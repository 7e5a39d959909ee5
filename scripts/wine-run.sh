#!/usr/bin/env bash
# Runs one Windows program of the cross-build under Wine, in the test prefix
# that test-windows.sh prepares; CTest calls it for every test.
# Usage: wine-run.sh PROGRAM.exe [ARGUMENT...]
set -euo pipefail
build="${ZAREL_WIN_BUILD:-$(cd "$(dirname "$0")/.." && pwd)/build-windows}"
export WINEPREFIX="${WINEPREFIX:-$build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# The Qt, OpenSSL (in Qt's bin/) and MinGW runtime DLLs, found the way
# Windows finds them on PATH.
if [ -z "${WINEPATH:-}" ] && [ -f "$build/winepath" ]; then
    WINEPATH="$(cat "$build/winepath")"
    export WINEPATH
fi
exec wine "$@"
