#!/usr/bin/env bash
# Checks the Windows packages build-windows.sh made, as a packager would:
# - every PE file: subsystem, ASLR, high-entropy ASLR and DEP, and that each
#   DLL it imports is shipped beside it or one of Windows' own;
# - the programs' manifests (DPI awareness, supported systems, long paths)
#   and version resources, the setup's too;
# - the setup holds the zip's files, the licences among them, and every
#   bundled DLL has its licence named;
# - a signed build with a throwaway certificate verifies;
# - under Wine, in a prefix of its own: silent installs, upgrades and
#   uninstalls for one user and for all users, the apps-list entry's values,
#   one install at a time, the settings folder, the console companion, and
#   nothing but settings left behind.
# Called by build-windows.sh --test after the build.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$ROOT/scripts/windows-qt.sh"
BUILD="${ZAREL_WIN_BUILD:-$ROOT/build-windows}"
QT="${ZAREL_WIN_QT:?the Qt for Windows the build used}"
version="$(sed -n 's/^ZAREL_PACKAGE_VERSION:INTERNAL=//p' "$BUILD/CMakeCache.txt")"
product_version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")"
name="zarel-$version-win64"
folder="$BUILD/$name"
zip="$BUILD/$name.zip"
setup="$BUILD/zarel-$version-setup.exe"
work="$BUILD/check"
rm -rf "$work"
mkdir -p "$work"
started=$SECONDS

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# expect WHAT ACTUAL WANTED
expect() { [ "$2" = "$3" ] || fail "$1: '$2', expected '$3'"; }

# --- PE files ---------------------------------------------------------------
# Windows' own DLLs a program here may import; anything else must be shipped.
SYSTEM_DLLS="advapi32 comctl32 comdlg32 crypt32 d3d11 dnsapi dwmapi dxgi gdi32 imm32 iphlpapi kernel32 msvcrt netapi32
    ole32 oleaut32 shell32 shlwapi user32 userenv uxtheme version winmm ws2_32 wtsapi32 mpr"
shipped="$(cd "$folder" && ls ./*.dll | sed 's|^\./||' | tr 'A-Z' 'a-z')"
# Subsystem, flags and imports of one PE file; SUBSYSTEM is 2 (desktop), 3
# (console) or - for a DLL.
check_pe() {
    local file=$1 subsystem=$2 dump flags dll
    dump="$("$WIN_TRIPLET-objdump" -p "$file")"
    if [ "$subsystem" != - ]; then
        expect "$file: subsystem" "$(awk '$1 == "Subsystem" {print $2 + 0}' <<<"$dump")" "$subsystem"
    fi
    flags=$((16#$(awk '$1 == "DllCharacteristics" {print $2}' <<<"$dump")))
    # HIGH_ENTROPY_VA 0x20, DYNAMIC_BASE 0x40, NX_COMPAT 0x100
    [ $((flags & 0x160)) = $((0x160)) ] || fail "$file: DllCharacteristics $(printf %#x $flags) lacks ASLR, high entropy or DEP"
    for dll in $(awk '/DLL Name:/ {print tolower($3)}' <<<"$dump"); do
        grep -qx "$dll" <<<"$shipped" || grep -qw "${dll%.dll}" <<<"$SYSTEM_DLLS" ||
            fail "$file imports $dll, neither shipped nor Windows' own"
    done
}
check_pe "$folder/zarel.exe" 2
check_pe "$folder/zarel.com" 3
check_pe "$folder/merax-sim.exe" 3
check_pe "$folder/zarel-station.exe" 3
while IFS= read -r dll; do check_pe "$dll" -; done < <(find "$folder" -name '*.dll')
check_pe "$setup" 2
# Qt finds OpenSSL by linking, not by guessing DLL names at run time.
network_imports="$("$WIN_TRIPLET-objdump" -p "$folder/Qt5Network.dll" | awk '/DLL Name:/ {print tolower($3)}')"
for dll in libssl-3-x64.dll libcrypto-3-x64.dll; do
    grep -qx "$dll" <<<"$network_imports" || fail "Qt5Network.dll does not import $dll"
done

# The version resource's strings and numbers, one "key=value" a line.
version_fields() {
    wrestool --raw -x -t16 "$1" | python3 -c '
import struct, sys
data = sys.stdin.buffer.read()
def node(at):
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    end_key = at + 6
    while data[end_key:end_key + 2] != b"\0\0":
        end_key += 2
    key = data[at + 6:end_key].decode("utf-16-le")
    value_at = (end_key + 2 + 3) & ~3
    size = value_length * 2 if kind == 1 else value_length
    value = data[value_at:value_at + size]
    children = []
    child = (value_at + size + 3) & ~3
    while child < at + length:
        children.append(node(child))
        child = (child + children[-1][3] + 3) & ~3
    return key, kind, value, length, children
def walk(item):
    key, kind, value, _, children = item
    if key == "VS_VERSION_INFO":
        ms, ls = struct.unpack_from("<II", value, 8)
        print("FileVersionNumber=%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF))
    elif kind == 1 and not children:
        print("%s=%s" % (key, value.decode("utf-16-le").rstrip("\0")))
    for child in children:
        walk(child)
walk(node(0))'
}
# The fields every program of ours carries.
check_version() {
    local file=$1 original=$2 fields
    fields="$(version_fields "$file")" || { fail "$file: no version resource"; return; }
    field() { sed -n "s/^$1=//p" <<<"$fields"; }
    expect "$file CompanyName" "$(field CompanyName)" "Zarel Radio Systems"
    expect "$file LegalCopyright" "$(field LegalCopyright)" "Copyright © 2019 Zarel Radio Systems. All rights reserved."
    expect "$file ProductName" "$(field ProductName)" "Zarel"
    [ -n "$(field FileDescription)" ] || fail "$file: no FileDescription"
    if [ -n "$original" ]; then
        expect "$file OriginalFilename" "$(field OriginalFilename)" "$original"
        expect "$file ProductVersion" "$(field ProductVersion)" "$product_version"
        expect "$file version number" "$(field FileVersionNumber)" "$product_version.0"
    else
        expect "$file ProductVersion" "$(field ProductVersion)" "$version"
    fi
}
check_manifest() {
    local file=$1 manifest id
    manifest="$(wrestool --raw -x -t24 -n1 "$file" | tr -d '\n')"
    grep -q '<dpiAwareness[^>]*>PerMonitorV2' <<<"$manifest" || fail "$file: manifest lacks per-monitor v2 awareness"
    grep -q '<longPathAware[^>]*>true<' <<<"$manifest" || fail "$file: manifest lacks longPathAware"
    grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest" ||
        fail "$file: manifest lacks the common controls 6"
    # Windows 7, 8, 8.1, 10 and 11
    for id in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
        1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
        grep -q "supportedOS Id=\"{$id}\"" <<<"$manifest" || fail "$file: manifest lacks supportedOS $id"
    done
}
for program in zarel.exe zarel.com zarel-station.exe merax-sim.exe; do
    check_version "$folder/$program" "$program"
    check_manifest "$folder/$program"
    wrestool -l -t14 "$folder/$program" | grep -c group_icon >/dev/null || fail "$program: no icon"
done
check_version "$setup" ""
wrestool --raw -x -t24 -n1 "$setup" | grep -c '<dpiAware[^>]*>true<' >/dev/null || fail "the setup is not DPI-aware"

# --- contents and licences --------------------------------------------------
zip_files="$(unzip -Z1 "$zip" | grep -v '/$' | sed "s|^$name/||" | LC_ALL=C sort)"
setup_files="$(7z l -slt "$setup" | sed -n 's/^Path = //p' | grep -v -e '^\$PLUGINSDIR/' -e '^/' -e '^uninstall\.exe$' |
    LC_ALL=C sort)"
[ "$zip_files" = "$setup_files" ] ||
    fail "the setup's files differ from the zip's: $(diff <(echo "$zip_files") <(echo "$setup_files") | grep '^[<>]' | tr '\n' ' ')"
for file in copyright.txt licences/README.txt licences/LGPL-3.txt licences/GPL-3.txt \
    licences/GCC-RUNTIME-EXCEPTION.txt licences/Qt-copyright.txt licences/Qt-translations-copyright.txt \
    licences/GCC-runtime-copyright.txt licences/mingw-w64-copyright.txt licences/SQLite-copyright.txt \
    licences/Apache-2.0.txt licences/OpenSSL-copyright.txt libssl-3-x64.dll libcrypto-3-x64.dll; do
    grep -qx "$file" <<<"$zip_files" || fail "the zip lacks $file"
    grep -qx "$file" <<<"$setup_files" || fail "the setup lacks $file"
done
# has FILE TEXT: the zipped file holds the text.
has() { unzip -p "$zip" "$name/$1" | tr -d '\r' | grep -c -- "$2" >/dev/null; }
has licences/LGPL-3.txt 'GNU LESSER GENERAL PUBLIC LICENSE' || fail "LGPL-3.txt is not the LGPL"
has licences/GPL-3.txt 'Version 3, 29 June 2007' || fail "GPL-3.txt is not the GPL v3"
has licences/Apache-2.0.txt 'Version 2.0, January 2004' || fail "Apache-2.0.txt is not the Apache License 2.0"
has licences/OpenSSL-copyright.txt 'Apache-2.0' || fail "OpenSSL-copyright.txt does not name the Apache License"
has licences/GCC-RUNTIME-EXCEPTION.txt 'Version 3.1' || fail "no GCC Runtime Library Exception 3.1"
has licences/mingw-w64-copyright.txt 'winpthreads' || fail "mingw-w64-copyright.txt does not cover winpthreads"
# A DLL added to the package without its licence noted fails here.
readme="$(unzip -p "$zip" "$name/licences/README.txt")"
for dll in $(grep '\.dll$' <<<"$zip_files"); do
    grep -qF "$(basename "$dll")" <<<"$readme" || fail "licences/README.txt does not name $(basename "$dll")"
done
echo "PE files, resources, contents and licences checked ($((SECONDS - started)) s)"

# --- signing ----------------------------------------------------------------
sign="$work/sign"
mkdir -p "$sign"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Zarel test signing" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$sign/key.pem" -out "$sign/cert.pem" 2>/dev/null
# A packager's own passphrase or timestamp server is not for this key.
env -u ZAREL_SIGN_PASSFILE -u ZAREL_SIGN_TIMESTAMP ZAREL_SIGN_CERT="$sign/cert.pem" ZAREL_SIGN_KEY="$sign/key.pem" \
    bash "$ROOT/scripts/package-windows.sh" "$BUILD" "$QT" "$sign" --quick
signed_setup="$sign/zarel-$version-setup.exe"
# (grep -c, not -q: a grep that stops early fails the pipe.)
verify() { osslsigncode verify -CAfile "$sign/cert.pem" -in "$1" 2>&1 | grep -c '^Signature verification: ok' >/dev/null; }
for file in zarel.exe zarel.com zarel-station.exe merax-sim.exe Qt5Core.dll Qt5Gui.dll Qt5Network.dll Qt5Sql.dll \
    Qt5Widgets.dll libssl-3-x64.dll libcrypto-3-x64.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll sqldrivers/qsqlite.dll; do
    verify "$sign/$name/$file" || fail "signed build: $file does not verify"
    ! verify "$folder/$file" || fail "$file is signed though no certificate was given"
done
verify "$signed_setup" || fail "signed build: the setup does not verify"
osslsigncode verify -CAfile "$sign/cert.pem" -in "$signed_setup" 2>/dev/null | grep -c 'Message digest algorithm *: SHA256' >/dev/null ||
    fail "signed build: the setup is not signed with SHA-256"
echo "Signed build checked ($((SECONDS - started)) s)"

# --- installs under Wine ----------------------------------------------------
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true' EXIT
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
unix_of() { winepath -u "$1" 2>/dev/null; }
local_appdata="$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')"
user_dir="$(unix_of "$local_appdata\\Programs\\Zarel")"
machine_dir="$WINEPREFIX/drive_c/Program Files/Zarel"
settings="$(unix_of "$local_appdata\\zarel\\settings.ini")"
user_menu="$(unix_of "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Zarel.lnk")"
machine_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zarel.lnk"
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Zarel'

# The apps-list entry of a scope (HKCU or HKLM) as "name=value" lines; empty
# when there is none.
entry() {
    local file="$work/entry.reg"
    rm -f "$file"
    wine reg export "$1\\$key" "$(winepath -w "$file" 2>/dev/null)" /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r' | sed -n 's/^"\([^"]*\)"=\(.*\)$/\1=\2/p'
}
# A silent install, its exit code checked.
install() {
    local setup=$1 wanted=$2 status=0
    shift 2
    wine "$setup" /S "$@" >/dev/null 2>&1 || status=$?
    expect "$(basename "$setup") /S $*: exit code" "$status" "$wanted"
}
# The uninstaller copies itself away and returns at once: wait for the copy.
uninstall() {
    local string
    string="$(entry "$1" | sed -n 's/^QuietUninstallString=//p' | sed 's/^"\(.*\)"$/\1/; s/\\"/"/g; s/\\\\/\\/g')"
    [ -n "$string" ] || { fail "$1: no QuietUninstallString"; return; }
    # "PROGRAM" ARGUMENTS, as the apps list runs it.
    local program="${string#\"}"
    program="${program%%\"*}"
    # shellcheck disable=SC2086
    wine "$program" ${string##*\" } >/dev/null 2>&1 || fail "$1: '$string' failed"
    timeout 120 wineserver -w || true
}
# What an install in DIR must hold and register in SCOPE.
check_install() {
    local scope=$1 dir=$2 menu=$3 values size files
    values="$(entry "$scope")"
    field() { sed -n "s/^$1=//p" <<<"$values"; }
    [ -n "$values" ] || { fail "$scope: no apps-list entry"; return; }
    local windows_dir
    windows_dir="$(winepath -w "$dir" 2>/dev/null)"
    expect "$scope DisplayName" "$(field DisplayName)" '"Zarel"'
    expect "$scope DisplayVersion" "$(field DisplayVersion)" "\"$version\""
    expect "$scope VersionMajor" "$(field VersionMajor)" "dword:$(printf %08x "${product_version%%.*}")"
    expect "$scope VersionMinor" "$(field VersionMinor)" "dword:$(printf %08x "$(cut -d. -f2 <<<"$product_version")")"
    expect "$scope Publisher" "$(field Publisher)" '"Zarel Radio Systems"'
    expect "$scope URLInfoAbout" "$(field URLInfoAbout)" '"https://www.zarel-radio.example/"'
    expect "$scope InstallLocation" "$(field InstallLocation)" "\"${windows_dir//\\/\\\\}\""
    expect "$scope UninstallString" "$(field UninstallString)" "\"\\\"${windows_dir//\\/\\\\}\\\\uninstall.exe\\\"\""
    expect "$scope QuietUninstallString" "$(field QuietUninstallString)" \
        "\"\\\"${windows_dir//\\/\\\\}\\\\uninstall.exe\\\" /S\""
    expect "$scope InstallDate" "$(field InstallDate)" "\"$(date +%Y%m%d)\""
    # In KB, within 5 % of what the files hold.
    size=$((16#$(field EstimatedSize | sed 's/^dword://')))
    files=$(($(find "$dir" -type f -printf '%s\n' | awk '{s += $1} END {print s}') / 1024))
    [ $((size * 100)) -ge $((files * 95)) ] && [ $((size * 100)) -le $((files * 105)) ] ||
        fail "$scope EstimatedSize $size KB, the files hold $files KB"
    expect "$dir: files" "$(cd "$dir" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)" \
        "$(printf '%s\nuninstall.exe\n' "$zip_files" | LC_ALL=C sort)"
    [ -f "$menu" ] || fail "no Start-menu shortcut $menu"
}
# Gone: the entry, the folder (settings alone may stay) and the shortcut.
check_removed() {
    local scope=$1 dir=$2 menu=$3
    [ -z "$(entry "$scope")" ] || fail "$scope: the apps-list entry is left"
    [ ! -e "$dir" ] || [ -z "$(find "$dir" -mindepth 1 ! -name 'settings*.ini')" ] ||
        fail "$dir is left with $(find "$dir" -mindepth 1 ! -name 'settings*.ini' | head -3 | tr '\n' ' ')"
    [ ! -e "$menu" ] || fail "the shortcut $menu is left"
}
# What the panel itself says of its settings file, through zarel.com.
settings_named() {
    wine "$1/zarel.com" --help 2>/dev/null | tr -d '\r' | sed -n '/Without a PROFILE/{n;p}'
}

# For one user: install, settings, console, upgrade with the signed setup.
install "$setup" 0 /CurrentUser
check_install HKCU "$user_dir" "$user_menu"
[ -z "$(entry HKLM)" ] || fail "an install for one user made an entry for all users"
expect "per-user install: settings file" "$(settings_named "$user_dir")" "$local_appdata\\zarel\\settings.ini"
# A settings file left in the program folder by an earlier version is read,
# and copied at the first change.
printf '[General]\r\nIP=127.0.0.1\r\n' >"$user_dir/settings.ini"
wine "$user_dir/zarel.com" --help 2>/dev/null | tr -d '\r' | grep -cF "(read from $(winepath -w "$user_dir/settings.ini" 2>/dev/null)" >/dev/null ||
    fail "per-user install: a settings.ini beside the program is not carried over"
rm "$user_dir/settings.ini"
# cmd waits for "zarel" (zarel.com) and its output can be redirected.
console="$(wine cmd /c "cd /d $(winepath -w "$user_dir" 2>/dev/null) && zarel --version > v.txt && type v.txt" 2>/dev/null | tr -d '\r' || true)"
expect "zarel --version > v.txt, type v.txt" "$console" "zarel $product_version"
rm -f "$user_dir/v.txt"
status=0
wine "$user_dir/zarel.com" --no-such-option >/dev/null 2>&1 || status=$?
expect "zarel.com passes on the exit code" "$status" 2
mkdir -p "$(dirname "$settings")"
printf '[General]\r\nIP=192.0.2.7\r\n' >"$settings"
install "$signed_setup" 0 /CurrentUser
check_install HKCU "$user_dir" "$user_menu"
verify "$user_dir/uninstall.exe" || fail "signed build: the uninstaller does not verify"
other="$WINEPREFIX/drive_c/Other"
mkdir -p "$other"
cp "$user_dir/uninstall.exe" "$other/"
cp "$user_dir/uninstall.exe" "$work/other-uninstall.exe"
uninstall HKCU
check_removed HKCU "$user_dir" "$user_menu"
grep -q 192.0.2.7 "$settings" || fail "uninstalling for one user lost the settings"
# A folder holding an uninstaller no apps-list entry names (here a copy of
# Zarel's) is another program's: refused, its uninstaller neither run nor
# replaced.
install "$setup" 4 /CurrentUser '/D=C:\Other'
cmp -s "$work/other-uninstall.exe" "$other/uninstall.exe" || fail "the setup ran or replaced another program's uninstaller"
if [ -n "$(entry HKCU)" ]; then
    fail "an install into another program's folder made an entry"
    # The checks below start from no install.
    wine reg delete "HKCU\\$key" /f >/dev/null 2>&1 || true
fi
echo "Install, upgrade and uninstall for one user checked ($((SECONDS - started)) s)"

# For all users, over the user's own install: it takes that one over, with
# the settings an older version kept in its folder, replacing none.
install "$setup" 0 /CurrentUser
printf '[General]\r\nIP=192.0.2.8\r\n' >"$user_dir/settings.ini"
printf '[General]\r\nIP=192.0.2.9\r\n' >"$user_dir/settingsShack.ini"
install "$setup" 0
check_install HKLM "$machine_dir" "$machine_menu"
check_removed HKCU "$user_dir" "$user_menu"
grep -q 192.0.2.7 "$settings" || fail "the takeover replaced the user's settings.ini"
grep -qs 192.0.2.9 "$(dirname "$settings")/settingsShack.ini" ||
    fail "the takeover did not carry settingsShack.ini over from the per-user folder"
rm -rf "$user_dir"
expect "all-users install: settings file" "$(settings_named "$machine_dir")" "$local_appdata\\zarel\\settings.ini"
# One for the user alone beside it is refused.
install "$setup" 3 /CurrentUser
check_removed HKCU "$user_dir" "$user_menu"
# With an install in each scope (made by hand: the setup refuses to make it)
# and a program running from the user's, the takeover stops before removing
# anything, then completes once the program is closed.
saved="$(winepath -w "$work/hklm.reg" 2>/dev/null)"
wine reg export "HKLM\\$key" "$saved" /y >/dev/null 2>&1 && wine reg delete "HKLM\\$key" /f >/dev/null 2>&1 ||
    fail "cannot set the all-users entry aside"
install "$setup" 0 /CurrentUser
wine reg import "$saved" >/dev/null 2>&1 || fail "cannot restore the all-users entry"
wine "$user_dir/merax-sim.exe" --port 0 </dev/null >/dev/null 2>&1 &
sim=$!
sleep 3
install "$setup" 2
kill "$sim" 2>/dev/null || true
wait "$sim" 2>/dev/null || true
check_install HKLM "$machine_dir" "$machine_menu"
check_install HKCU "$user_dir" "$user_menu"
install "$setup" 0
check_install HKLM "$machine_dir" "$machine_menu"
check_removed HKCU "$user_dir" "$user_menu"
# An upgrade in place keeps one entry.
install "$signed_setup" 0
check_install HKLM "$machine_dir" "$machine_menu"
uninstall HKLM
check_removed HKLM "$machine_dir" "$machine_menu"
grep -q 192.0.2.7 "$settings" || fail "uninstalling for all users lost the settings"
echo "Install, takeover, upgrade and uninstall for all users checked ($((SECONDS - started)) s)"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) of the Windows packages failed" >&2
    exit 1
fi
echo "The Windows packages passed their checks in $((SECONDS - started)) s"
