#!/usr/bin/env bash
# Runs the whole test suite of the Windows cross-build under Wine with the
# offscreen platform. Called by build-windows.sh --test, which builds first.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$ROOT/scripts/windows-qt.sh"
BUILD="${ZAREL_WIN_BUILD:-$ROOT/build-windows}"
QT="${ZAREL_WIN_QT:?the Qt for Windows the build used}"

# A prefix of this build's own, made anew for every run.
export WINEPREFIX="$BUILD/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
winepath_of() { winepath -w "$1" 2>/dev/null; }
trap 'wineserver -k 2>/dev/null || true' EXIT
# Started first and kept, away from this script's streams: a server started
# by the first test would hold the pipes CTest waits on.
wineserver -p </dev/null >/dev/null 2>&1
wineboot -i >/dev/null 2>&1

gcc_runtime="$(windows_gcc_runtime)"
printf '%s;%s;%s' "$(winepath_of "$QT/bin")" "$(winepath_of "$gcc_runtime")" \
    "$(winepath_of /usr/x86_64-w64-mingw32/lib)" >"$BUILD/winepath"
# Wine hands Windows programs its own environment for these: they are set in
# the prefix's user environment, as an operator would set them on Windows.
set_environment() { wine reg add 'HKCU\Environment' /v "$1" /d "$2" /f >/dev/null 2>&1; }
set_environment QT_QPA_PLATFORM offscreen
set_environment QT_FORCE_STDERR_LOGGING 1
set_environment QT_PLUGIN_PATH "$(winepath_of "$QT/plugins")"
# DejaVu Sans first, so that the offscreen platform's first family, its
# default font, is the one the text-fit checks are written for, as on Linux;
# IPA Gothic after it for the Japanese texts, as Linux falls back to it.
rm -rf "$BUILD/fonts"
mkdir -p "$BUILD/fonts"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf "$BUILD/fonts/"
set_environment QT_QPA_FONTDIR "$(winepath_of "$BUILD/fonts")"

started=$SECONDS
(cd "$BUILD" && ctest --output-on-failure -j "$JOBS" --timeout 600)
echo "The suite ran under Wine in $((SECONDS - started)) s"
