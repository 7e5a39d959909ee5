#!/usr/bin/env bash
# The demo: installs what is missing, builds, starts the Merax simulator on
# loopback with its activity script, and starts the panel on a demo settings
# profile (settingsdemo.ini beside the program; the operator's settings.ini is
# never touched). Choose File > Connect to Merax and the panel comes alive.
# Closing the panel stops the simulator.
#
# Beside it runs Hamlib's rigctld with its dummy radio, and the demo profile
# follows it: retune the dummy with rigctl (the command is printed) and the
# antenna follows the band. rotctld's dummy rotator turns the beams, Ant 4 to
# Ant 6 (View > Rotators, or Ctrl+T on one of them).
#
# Without a display (no DISPLAY or WAYLAND_DISPLAY) the same command runs the
# demo on a virtual X display, connects by itself, lets the simulator's
# activity run for a few seconds and saves a picture of the live panel.
set -euo pipefail
source "$(dirname "$0")/common.sh"

headless=0
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    headless=1
fi
packages=("${BUILD_PACKAGES[@]}" libhamlib-utils)
[ "$headless" = 1 ] && packages+=(xvfb xauth)
bash "$ROOT/scripts/install-deps.sh" "${packages[@]}"
build "$ROOT/build" zarel merax-sim zarel-snapshot

# The simulator picks a free loopback port and tells which.
simlog="$(mktemp)"
"$ROOT/build/tools/merax-sim/merax-sim" --listen 127.0.0.1 --port 0 --activity >"$simlog" 2>&1 &
simpid=$!
rigpid=""
rotpid=""
trap 'kill "$simpid" $rigpid $rotpid 2>/dev/null || true; wait "$simpid" $rigpid $rotpid 2>/dev/null || true; rm -f "$simlog"' EXIT
port=""
for _ in $(seq 1 100); do
    port="$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$simlog" | head -n 1)"
    [ -n "$port" ] && break
    kill -0 "$simpid" 2>/dev/null || { cat "$simlog" >&2; exit 1; }
    sleep 0.1
done
[ -n "$port" ] || { echo "the simulator did not start" >&2; cat "$simlog" >&2; exit 1; }
echo "merax-sim listening on 127.0.0.1:$port"

# The dummy radio, on the first free port from rigctld's usual 4532, so a real
# rigctld already running is left alone.
rigport=4532
while (exec 3<>"/dev/tcp/127.0.0.1/$rigport") 2>/dev/null; do rigport=$((rigport + 1)); done
rigctld -m 1 -P RIG -T 127.0.0.1 -t "$rigport" >/dev/null 2>&1 &
rigpid=$!
rigup=0
for _ in $(seq 1 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$rigport") 2>/dev/null && { rigup=1; break; }
    kill -0 "$rigpid" 2>/dev/null || break
    sleep 0.1
done
retune="rigctl -m 2 -r 127.0.0.1:$rigport F 14074000"
if [ "$rigup" = 1 ]; then
    echo "rigctld (dummy radio) on 127.0.0.1:$rigport; retune it with: $retune"
else
    # The panel still runs; its band field says rigctld is not connected.
    echo "rigctld did not start: the demo runs without band following" >&2
    retune="true"
fi

# The dummy rotator, likewise from rotctld's usual 4533.
rotport=4533
while [ "$rotport" = "$rigport" ] || (exec 3<>"/dev/tcp/127.0.0.1/$rotport") 2>/dev/null; do rotport=$((rotport + 1)); done
rotctld -m 1 -T 127.0.0.1 -t "$rotport" >/dev/null 2>&1 &
rotpid=$!
echo "rotctld (dummy rotator) on 127.0.0.1:$rotport"

# The demo profile: captions and colours on first use; the address and port of
# this run's simulator every time.
profile="$ROOT/build/settingsdemo.ini"
if [ ! -f "$profile" ]; then
    cat >"$profile" <<INI
[General]
K1=160M DIPOL
K2=80M  INV-V
K3=40M  VERT
K4=20M  YAGI
K5=15M  YAGI
K6=10M  YAGI
K7=RX   LOOP
K8=BEV  NE
K9=BEV  SW
K10=LOG  PER
K11=DUMMYLOAD
K12=SPARE
GPI1=DOOR
GPI2=RAIN
GPI3=LIMIT
GPI4=PTT
GPI5=ALARM
GPI6=TEMP
GPI7=WIND
GPI8=MAINS
GPO1=AMP
GPO2=FAN
GPO3=LIGHT
GPO4=PRE  AMP
GPO5=TUNER
GPO6=HEAT
GPO7=BEEP
GPO8=AUX
ID=DEMO STATION  -  merax-sim on loopback
GPI=true
SK=true
IPdir=true
GPI1R=255
GPI1G=160
GPI1B=47
GPI2R=80
GPI2G=160
GPI2B=255
GPI3R=255
GPI3G=60
GPI3B=60
GPI4R=255
GPI4G=0
GPI4B=0
GPI5R=255
GPI5G=200
GPI5B=0
GPI6R=120
GPI6G=220
GPI6B=120
GPI7R=160
GPI7G=200
GPI7B=255
GPI8R=255
GPI8G=255
GPI8B=255
GPO1R=0
GPO1G=200
GPO1B=0
GPO2R=80
GPO2G=200
GPO2B=255
GPO3R=255
GPO3G=230
GPO3B=120
GPO4R=200
GPO4G=30
GPO4B=30
GPO5R=255
GPO5G=160
GPO5B=47
GPO6R=255
GPO6G=90
GPO6B=0
GPO7R=220
GPO7G=120
GPO7B=255
GPO8R=0
GPO8G=0
GPO8B=128
IP=127.0.0.1
PORT=$port
INI
else
    sed -i -e "s/^IP=.*/IP=127.0.0.1/" -e "s/^PORT=.*/PORT=$port/" "$profile"
fi
# Band following: each band's antenna by the captions above.
if ! grep -q '^\[BandFollow\]' "$profile"; then
    cat >>"$profile" <<INI

[BandFollow]
Source=rigctld
RigHost=127.0.0.1
RigPort=$rigport
160m=1
80m=2
40m=3
20m=4
15m=5
10m=6
INI
else
    sed -i -e "s/^RigPort=.*/RigPort=$rigport/" "$profile"
fi
# The beams on one mast, on the dummy rotator.
if ! grep -q '^\[Rotators\]' "$profile"; then
    cat >>"$profile" <<INI

[Rotators]
Rotor1=127.0.0.1:$rotport
Rotor1Antennas=4, 5, 6
Rotor1Name=Tower
Locator=JN58td
INI
else
    sed -i -e "s/^Rotor1=.*/Rotor1=127.0.0.1:$rotport/" "$profile"
fi
# 80 m CW on the inverted V, 75 m phone on the dipole (the log-periodic
# when another station has it); a profile from an older demo gets them too.
if ! grep -q '^Segment1=' "$profile"; then
    sed -i -e '/^\[BandFollow\]/a Segment1=3500-3600 CW 2\nSegment2=3600-3800 1, 10' "$profile"
fi

if [ "$headless" = 1 ]; then
    shot="$ROOT/demo-screenshot.png"
    echo "No display: running the demo on a virtual display."
    # The radio moves to 20 m while the panel runs: Ant 4 follows.
    (sleep 3 && $retune >/dev/null 2>&1) &
    xvfb-run -a -s "-screen 0 1280x800x24" \
        "$ROOT/build/zarel-snapshot" --profile demo --connect --wait 6000 --output "$shot"
    echo "The live panel, connected to the simulator and following the dummy radio: $shot"
else
    echo "Choose File > Connect to Merax to go live."
    [ "$rigup" = 1 ] && echo "Then retune the dummy radio: $retune"
    "$ROOT/build/zarel" demo
fi
