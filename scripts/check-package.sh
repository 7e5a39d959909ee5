#!/usr/bin/env bash
# Builds the Debian package and checks it: contents, dependencies, the
# desktop entry and AppStream data, and the installed panel started as an
# ordinary user who cannot write beside the program.
# ZAREL_PACKAGE_BUILD picks the build folder (default build/).
set -euo pipefail
source "$(dirname "$0")/common.sh"
bash "$ROOT/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}" dpkg-dev desktop-file-utils appstream

dir="${ZAREL_PACKAGE_BUILD:-$ROOT/build}"
if [ -f "$dir/CMakeCache.txt" ]; then
    cmake "$dir" >/dev/null
else
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAREL_WERROR=ON -DZAREL_TESTS=OFF >/dev/null
fi
# The package holds only the installed programs.
cmake --build "$dir" -j "${ZAREL_JOBS:-$JOBS}" --target zarel merax-sim
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")"
deb="$dir/zarel_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$dir" && cpack -G DEB >/dev/null)

tmp="$(mktemp -d)"
panel=
cleanup() {
    [ -z "$panel" ] || kill -KILL "$panel" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

echo "== $(basename "$deb")"
info="$(dpkg-deb -I "$deb")"
grep -E '^ (Package|Version|Section|Depends|Homepage):' <<<"$info"
depends="$(sed -n 's/^ Depends: //p' <<<"$info")"
for need in libqt5widgets5 libqt5network5 fonts-dejavu-core; do
    grep -qE "(^|, )$need( |,|$)" <<<"$depends" || fail "Depends lacks $need"
done
grep -qx " Section: hamradio" <<<"$info" || fail "section is not hamradio"

files="$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')"
expected=(/usr/bin/zarel /usr/bin/merax-sim /usr/share/applications/zarel.desktop
    /usr/share/metainfo/example.zarel_radio.Zarel.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/zarel.svg
    /usr/share/man/man1/zarel.1.gz /usr/share/man/man1/merax-sim.1.gz)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/zarel.png")
done
for path in "${expected[@]}"; do
    grep -qx "$path" <<<"$files" || fail "package lacks $path"
done
# Exactly the two programs: no test, benchmark, link check or snapshot tool.
bins="$(grep '^/usr/bin/.' <<<"$files" | sort | tr '\n' ' ')"
[ "$bins" = "/usr/bin/merax-sim /usr/bin/zarel " ] || fail "unexpected programs: $bins"

root="$tmp/root"
dpkg -x "$deb" "$root"
share="$root/usr/share"
echo "== desktop-file-validate"
desktop-file-validate "$share/applications/zarel.desktop"
echo "zarel.desktop: valid"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$share/metainfo/example.zarel_radio.Zarel.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
    # A PNG header holds its width and height at bytes 16 to 23.
    [ "$(od -An -tx1 -j16 -N8 "$share/icons/hicolor/${size}x${size}/apps/zarel.png" | tr -d ' \n')" = \
        "$(printf '%08x%08x' "$size" "$size")" ] || fail "icon ${size}x${size} has another size"
done
gzip -t "$share/man/man1/zarel.1.gz" "$share/man/man1/merax-sim.1.gz"

# The installed panel, run by a user who cannot write in /usr/bin.
id zareltest >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin zareltest
home="$tmp/home"
mkdir -p "$home/run"
chown -R zareltest: "$home"
chmod 700 "$home/run"
chmod 755 "$tmp"
# A plain command, not a function: run in the background, $! is the panel.
as_user=(setpriv --reuid=zareltest --regid=zareltest --init-groups env -i PATH=/usr/bin:/bin HOME="$home"
    XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/run"
    QT_QPA_PLATFORM=offscreen)
bin="$root/usr/bin"
before="$(cd "$root" && find . -printf '%p %s %T@\n' | sort)"
echo "== zarel --help"
"${as_user[@]}" "$bin/zarel" --help | tee "$tmp/help"
grep -q '^Usage: zarel' "$tmp/help" || fail "zarel --help prints no usage"
grep -qF "$home/config/zarel" "$tmp/help" || fail "zarel --help does not name $home/config/zarel"
[ "$("${as_user[@]}" "$bin/zarel" --version)" = "zarel $version" ] || fail "zarel --version is not 'zarel $version'"
[ "$("${as_user[@]}" "$bin/merax-sim" --version)" = "merax-sim $version" ] || fail "merax-sim --version is wrong"

echo "== zarel, stopped by SIGTERM after 2 s"
"${as_user[@]}" "$bin/zarel" >"$tmp/panel.log" 2>&1 &
panel=$!
sleep 2
kill -0 "$panel" 2>/dev/null || { cat "$tmp/panel.log"; fail "the panel ended by itself"; }
kill -TERM "$panel"
status=0
for _ in $(seq 50); do
    kill -0 "$panel" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$panel" 2>/dev/null && fail "the panel did not end on SIGTERM"
wait "$panel" || status=$?
panel=
[ "$status" -eq 0 ] || { cat "$tmp/panel.log"; fail "the panel ended with status $status"; }
after="$(cd "$root" && find . -printf '%p %s %T@\n' | sort)"
[ "$before" = "$after" ] || fail "the panel changed the installed files: $(diff <(echo "$before") <(echo "$after") | tail -n +2)"
written="$(cd "$home" && find . -path ./cache -prune -o -type f -print)"
if [ -n "$written" ]; then
    grep -v '^\./config/zarel/' <<<"$written" && fail "the panel wrote outside $home/config/zarel"
    echo "settings written: $written"
else
    echo "no settings written at start"
fi
echo "== package OK: $deb"
