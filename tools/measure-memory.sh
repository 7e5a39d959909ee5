#!/usr/bin/env bash
# Resident memory of the panel, connected to the simulator, under a real X
# server (Xvfb) and offscreen, beside the OpenGL integration Qt would load by
# itself. A measurement, not a test: it prints figures.
# Usage: tools/measure-memory.sh [BUILD_DIR]   (default: build)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
SIM="$BUILD/tools/merax-sim/merax-sim"
SNAPSHOT="$BUILD/zarel-snapshot"
WORK="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$WORK"' EXIT

if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:$((90 + RANDOM % 100))
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    sleep 1
fi

# measure LABEL [VAR=VALUE...]: VmRSS after 6 s of a connected panel.
measure() {
    local label=$1
    shift
    "$SIM" --port 0 --activity --activity-step 250 --quit-after 20 >"$WORK/sim.out" 2>&1 &
    local sim=$!
    local port=""
    for _ in $(seq 50); do
        port=$(grep -o 'listening on 127.0.0.1:[0-9]*' "$WORK/sim.out" | cut -d: -f2 || true)
        [ -n "$port" ] && break
        sleep 0.1
    done
    printf '[General]\nIP=127.0.0.1\nPORT=%s\nIPdir=true\nGPI=true\nSK=true\n' "$port" >"$BUILD/settingsmemory.ini"
    env "$@" "$SNAPSHOT" --profile memory --connect --wait 8000 --output "$WORK/panel.png" >/dev/null 2>&1 &
    local panel=$!
    sleep 6
    local rss
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$panel/status")
    printf '%-46s %6.1f MB\n' "$label" "$(echo "$rss / 1024" | bc -l)"
    wait "$panel" || true
    kill "$sim" 2>/dev/null || true
    wait "$sim" 2>/dev/null || true
    rm -f "$BUILD/settingsmemory.ini"
}

measure "X11, OpenGL integration as Qt picks it" QT_XCB_GL_INTEGRATION=xcb_glx
measure "X11, as the panel starts (no OpenGL)"
measure "offscreen" QT_QPA_PLATFORM=offscreen
