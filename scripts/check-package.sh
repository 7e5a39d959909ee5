#!/usr/bin/env bash
# Builds the Debian package and checks it: contents, dependencies, lintian,
# the hardening of the programs, the copyright file and changelog, the
# desktop entry and AppStream data, and the installed panel started as an
# ordinary user who cannot write beside the program. Whatever it creates (a
# system user, temporary folders, the packages installed only for the check)
# is removed again, also when a check fails.
# ZAREL_PACKAGE_BUILD picks the build folder (default build/).
set -euo pipefail
source "$(dirname "$0")/common.sh"
# The build's own packages stay: every build script needs them.
bash "$ROOT/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}" dpkg-dev

tmp="$(mktemp -d)"
panel=
user=
cleanup() {
    [ -z "$panel" ] || kill -KILL "$panel" 2>/dev/null || true
    # userdel also removes the group useradd made for the user.
    [ -z "$user" ] || userdel "$user" || echo "check-package: could not remove user $user" >&2
    if [ -s "$tmp/deps" ]; then
        echo "== removing what was installed for the check"
        # dpkg rather than apt: it keeps a package that something installed
        # meanwhile depends on, where apt would remove that too.
        # shellcheck disable=SC2046
        dpkg --purge $(cat "$tmp/deps") >/dev/null ||
            echo "check-package: some of these stay installed: $(tr '\n' ' ' <"$tmp/deps")" >&2
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
fail() {
    echo "check-package: $*" >&2
    exit 1
}
ZAREL_DEPS_RECORD="$tmp/deps" bash "$ROOT/scripts/install-deps.sh" desktop-file-utils appstream lintian devscripts

dir="${ZAREL_PACKAGE_BUILD:-$ROOT/build}"
if [ -f "$dir/CMakeCache.txt" ]; then
    # Configured again: the package version follows the commit.
    cmake -DZAREL_DPKG_BUILDFLAGS=ON "$dir" >/dev/null
else
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAREL_WERROR=ON -DZAREL_TESTS=OFF >/dev/null
fi
# The package holds only the installed programs.
cmake --build "$dir" -j "${ZAREL_JOBS:-$JOBS}" --target zarel zarel-station merax-sim
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")"
package_version="$(sed -n 's/^ZAREL_PACKAGE_VERSION:INTERNAL=//p' "$dir/CMakeCache.txt")"
deb="$dir/zarel_${package_version}_$(dpkg --print-architecture).deb"
rm -f "$dir"/zarel_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || fail "cpack made no $(basename "$deb")"

echo "== $(basename "$deb")"
info="$(dpkg-deb -I "$deb")"
grep -E '^ (Package|Version|Section|Depends|Homepage):' <<<"$info"
grep -qx " Version: $package_version" <<<"$info" || fail "the package's version is not $package_version"
depends="$(sed -n 's/^ Depends: //p' <<<"$info")"
for need in libqt5widgets5 libqt5network5 libqt5sql5 libqt5sql5-sqlite fonts-dejavu-core; do
    grep -qE "(^|, )$need( |,|$)" <<<"$depends" || fail "Depends lacks $need"
done
grep -qx " Section: hamradio" <<<"$info" || fail "section is not hamradio"

files="$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')"
expected=(/usr/bin/zarel /usr/bin/zarel-station /usr/bin/merax-sim /usr/share/applications/zarel.desktop
    /usr/share/metainfo/example.zarel_radio.Zarel.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/zarel.svg
    /usr/share/man/man1/zarel.1.gz /usr/share/man/man1/zarel-station.1.gz /usr/share/man/man1/merax-sim.1.gz
    /usr/lib/systemd/user/zarel-station@.service
    /usr/share/doc/zarel/copyright /usr/share/doc/zarel/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/zarel.png")
done
for path in "${expected[@]}"; do
    grep -qx "$path" <<<"$files" || fail "package lacks $path"
done
# Exactly the three programs: no test, benchmark, link check or snapshot tool.
bins="$(grep '^/usr/bin/.' <<<"$files" | sort | tr '\n' ' ')"
[ "$bins" = "/usr/bin/merax-sim /usr/bin/zarel /usr/bin/zarel-station " ] || fail "unexpected programs: $bins"

# An ordinary user for lintian and the installed panel, with a name of its
# own per run so two checks at once do not share or remove each other's.
user="zarelchk$$"
useradd --system --no-create-home --shell /usr/sbin/nologin "$user" || { user=; fail "cannot create a user"; }
home="$tmp/home"
mkdir -p "$home/run"
chown -R "$user:" "$home"
chmod 700 "$home/run"
chmod 755 "$tmp"
cp "$deb" "$tmp/"
chmod 644 "$tmp/$(basename "$deb")"
# In its own home: the checkout may sit in a folder only root can enter
# (mktemp -d makes it 0700), and lintian stops on a working folder it cannot read.
# A plain command, not a function: run in the background, $! is the panel.
as_user=(setpriv --reuid="$user" --regid="$user" --init-groups env -i -C "$home" PATH=/usr/bin:/bin HOME="$home"
    XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/run"
    QT_QPA_PLATFORM=offscreen)

echo "== lintian"
# Fails on errors only; warnings and the rest are listed.
"${as_user[@]}" lintian --fail-on error --display-info --tag-display-limit 0 "$tmp/$(basename "$deb")" 2>&1 |
    tee "$tmp/lintian" || fail "lintian found errors"
[ -s "$tmp/lintian" ] || echo "(no tags)"

root="$tmp/root"
dpkg -x "$deb" "$root"
share="$root/usr/share"
echo "== hardening-check"
# Every protection the build flags ask for; Debian 12's dpkg-buildflags has
# no control-flow protection to ask for, so that one is only checked where
# it does.
skip=()
DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS | grep -q -- -fcf-protection ||
    skip+=(--nocfprotection)
hardening-check "${skip[@]}" "$root/usr/bin/zarel" "$root/usr/bin/zarel-station" "$root/usr/bin/merax-sim" ||
    fail "a program lacks hardening"
# The station runs where no display is: no Qt Gui or Widgets.
if ldd "$root/usr/bin/zarel-station" | grep -E 'libQt5(Gui|Widgets)'; then
    fail "zarel-station links a window library"
fi
unit="$root/usr/lib/systemd/user/zarel-station@.service"
grep -qx 'ExecStart=/usr/bin/zarel-station %i' "$unit" || fail "the unit does not start zarel-station %i"
grep -qx 'Restart=on-failure' "$unit" || fail "the unit is not restarted on failure"

echo "== copyright and changelog"
# The copyright file carries the notice the About box shows.
notice="$(grep -o 'Copyright ©[^<]*' "$ROOT/forms/aboutform.ui")"
[ -n "$notice" ] || fail "no copyright notice found in forms/aboutform.ui"
grep -qF " $notice" "$share/doc/zarel/copyright" || fail "the copyright file lacks '$notice'"
zcat "$share/doc/zarel/changelog.gz" >"$tmp/changelog"
[ "$(dpkg-parsechangelog -l "$tmp/changelog" -S Version)" = "$package_version" ] ||
    fail "the changelog's latest entry is not $package_version"
# Two builds of one commit give these same bytes.
(cd "$root" && sha256sum usr/share/man/man1/*.gz usr/share/doc/zarel/changelog.gz)

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
gzip -t "$share/man/man1/zarel.1.gz" "$share/man/man1/zarel-station.1.gz" "$share/man/man1/merax-sim.1.gz"

# The installed panel, run by the user, who cannot write in /usr/bin.
bin="$root/usr/bin"
before="$(cd "$root" && find . -printf '%p %s %T@\n' | sort)"
echo "== zarel --help"
"${as_user[@]}" "$bin/zarel" --help | tee "$tmp/help"
grep -q '^Usage: zarel' "$tmp/help" || fail "zarel --help prints no usage"
grep -qF "$home/config/zarel" "$tmp/help" || fail "zarel --help does not name $home/config/zarel"
# The programs name the release; only the package's version carries the commit.
[ "$("${as_user[@]}" "$bin/zarel" --version)" = "zarel $version" ] || fail "zarel --version is not 'zarel $version'"
[ "$("${as_user[@]}" "$bin/merax-sim" --version)" = "merax-sim $version" ] || fail "merax-sim --version is wrong"
[ "$("${as_user[@]}" "$bin/zarel-station" --version)" = "zarel-station $version" ] ||
    fail "zarel-station --version is wrong"
"${as_user[@]}" "$bin/zarel-station" --help >"$tmp/station-help"
grep -q '^Usage: zarel-station' "$tmp/station-help" || fail "zarel-station --help prints no usage"
grep -qF "$home/config/zarel" "$tmp/station-help" || fail "zarel-station --help does not name $home/config/zarel"

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
