#!/usr/bin/env bash
# Packs a Windows cross-build into OUT:
#   zarel-VERSION-win64/       the portable folder: the programs, the console
#                              companion zarel.com, the Qt, OpenSSL and MinGW
#                              runtime DLLs, the plugins the panel uses and the
#                              licences
#   zarel-VERSION-win64.zip    that folder, zipped
#   zarel-VERSION-setup.exe    the installer
# With ZAREL_SIGN_CERT and ZAREL_SIGN_KEY (see sign-windows.sh) the programs,
# the DLLs built here (Qt's and OpenSSL's), the setup and its uninstaller are
# signed.
# --quick: no zip, and a faster compression of the setup (for the checks).
# Usage: package-windows.sh BUILD QT OUT [--quick]
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$ROOT/scripts/windows-qt.sh"
BUILD=$1 QT=$2
# makensis reads paths from the script's folder: OUT must be absolute.
mkdir -p "$3"
OUT="$(cd "$3" && pwd)"
quick=0
[ "${4:-}" != --quick ] || quick=1

signing=0
if [ -n "${ZAREL_SIGN_CERT:-}" ] || [ -n "${ZAREL_SIGN_KEY:-}" ]; then
    # Half a signing setup is a mistake, not a wish for an unsigned build.
    : "${ZAREL_SIGN_CERT:?ZAREL_SIGN_KEY is set: ZAREL_SIGN_CERT must name the certificate}"
    : "${ZAREL_SIGN_KEY:?ZAREL_SIGN_CERT is set: ZAREL_SIGN_KEY must name its private key}"
    signing=1
fi

version="$(sed -n 's/^ZAREL_PACKAGE_VERSION:INTERNAL=//p' "$BUILD/CMakeCache.txt")"
product_version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")"
name="zarel-$version-win64"
folder="$OUT/$name"
rm -rf "$folder" "$OUT"/zarel-*-win64.zip "$OUT"/zarel-*-setup.exe
mkdir -p "$folder/platforms" "$folder/styles" "$folder/sqldrivers" "$folder/translations" "$folder/licences"
cp "$BUILD/zarel.exe" "$BUILD/zarel.com" "$BUILD/zarel-station.exe" "$BUILD/tools/merax-sim/merax-sim.exe" "$folder/"
for module in Core Gui Widgets Network Sql; do
    cp "$QT/bin/Qt5$module.dll" "$folder/"
done
# Qt's network module is linked to them, and the panel uses libcrypto itself.
cp "$QT/bin/libssl-3-x64.dll" "$QT/bin/libcrypto-3-x64.dll" "$folder/"
cp "$QT/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$QT/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
# The journal's SQLite driver, with SQLite linked in.
cp "$QT/plugins/sqldrivers/qsqlite.dll" "$folder/sqldrivers/"
# Qt's own texts (buttons, the colour dialog) in the panel's languages: the
# .qm files do not depend on the system, Debian's serve Windows too.
for language in de es fr it ja pt_BR; do
    cp "/usr/share/qt5/translations/qtbase_$language.qm" "$folder/translations/"
done
gcc_runtime="$(windows_gcc_runtime)"
runtime=("$gcc_runtime/libgcc_s_seh-1.dll" "$gcc_runtime/libstdc++-6.dll" "/usr/$WIN_TRIPLET/lib/libwinpthread-1.dll")
cp "${runtime[@]}" "$folder/"
"$WIN_TRIPLET-strip" --strip-unneeded "$folder"/*.exe "$folder"/*.com "$folder"/*.dll "$folder"/*/*.dll
if [ "$signing" = 1 ]; then
    # The MinGW runtime DLLs are Debian's, shipped as they come.
    bash "$ROOT/scripts/sign-windows.sh" "$folder"/*.exe "$folder"/*.com "$folder"/Qt5*.dll "$folder"/lib*-3-x64.dll \
        "$folder"/*/*.dll
fi

# Text files with Windows line ends.
crlf() { sed 's/$/\r/' "$1" >"$2"; }
crlf "$ROOT/packaging/copyright" "$folder/copyright.txt"
crlf "$ROOT/packaging/windows/readme.txt" "$folder/readme.txt"

# The licences of what is bundled: the texts themselves, and Debian's
# copyright files of the very packages the files come from (they name every
# author and the licences of the parts inside, such as Qt's zlib and FreeType).
copyright_of() {
    local file="/usr/share/doc/$1/copyright"
    [ -f "$file" ] || { echo "package-windows.sh: $file is missing" >&2; exit 1; }
    crlf "$file" "$2"
}
source_of() { dpkg-query -W -f='${source:Package} ${source:Version}' "$1"; }
upstream_of() { dpkg-query -W -f='${Version}' "$1" | sed 's/^[0-9]*://; s/-.*//'; }
package_of() { dpkg -S "$1" | cut -d: -f1 | head -1; }
licences="$folder/licences"
crlf /usr/share/common-licenses/LGPL-3 "$licences/LGPL-3.txt"
crlf /usr/share/common-licenses/GPL-3 "$licences/GPL-3.txt"
crlf /usr/share/common-licenses/Apache-2.0 "$licences/Apache-2.0.txt"
gcc_package="$(package_of "$gcc_runtime/libstdc++-6.dll")"
pthread_package="$(package_of "/usr/$WIN_TRIPLET/lib/libwinpthread-1.dll")"
translations_package="$(package_of /usr/share/qt5/translations/qtbase_de.qm)"
copyright_of libqt5core5a "$licences/Qt-copyright.txt"
copyright_of "$translations_package" "$licences/Qt-translations-copyright.txt"
copyright_of "$gcc_package" "$licences/GCC-runtime-copyright.txt"
copyright_of "$pthread_package" "$licences/mingw-w64-copyright.txt"
copyright_of libsqlite3-0 "$licences/SQLite-copyright.txt"
# OpenSSL: the copyright file of the very source package it was built from,
# kept with the Qt for Windows.
crlf "$QT/share/doc/openssl/copyright" "$licences/OpenSSL-copyright.txt"
awk '/^GCC RUNTIME LIBRARY EXCEPTION/ { on = 1 } on { print } on && /requirements of the license of GCC\./ { exit }' \
    "/usr/share/doc/$gcc_package/copyright" | sed 's/$/\r/' >"$licences/GCC-RUNTIME-EXCEPTION.txt"
grep -q 'No Weakening of GCC Copyleft' "$licences/GCC-RUNTIME-EXCEPTION.txt" ||
    { echo "package-windows.sh: the GCC Runtime Library Exception was not found" >&2; exit 1; }
# The source versions the Qt for Windows was built from.
built_from() {
    local version
    version="$(windows_source_of "$QT" "$1")"
    [ -n "$version" ] || { echo "package-windows.sh: $QT does not say which $1 it was built from" >&2; exit 1; }
    echo "$version"
}
qt_source="$(built_from qtbase-opensource-src)"
qt_upstream="${qt_source%%+*}"
openssl_source="$(built_from openssl)"
sqlite_source="$(built_from sqlite3)"
cat >"$licences/README.txt.in" <<EOF
Zarel's own licence is in ..\\copyright.txt. The libraries it bundles come
with their own licences, all of which allow them to be passed on with it:

Qt $qt_upstream
    Qt5Core.dll, Qt5Gui.dll, Qt5Network.dll, Qt5Sql.dll, Qt5Widgets.dll,
    platforms\\qwindows.dll, styles\\qwindowsvistastyle.dll, sqldrivers\\qsqlite.dll
  GNU Lesser General Public License, version 3 (LGPL-3.txt), which adds to
  the GNU General Public License, version 3 (GPL-3.txt). The DLLs may be
  replaced by other builds of Qt $qt_upstream. Qt-copyright.txt names the
  authors of every part and the licences of the parts Qt carries inside
  (among them zlib, libpng, PCRE2, FreeType and HarfBuzz).
  Source: built unchanged from Debian's source package
  qtbase-opensource-src $qt_source:
    https://snapshot.debian.org/package/qtbase-opensource-src/$qt_source/
  configured with: ${QT_WIN_CONFIGURE[*]}
  translations\\qtbase_*.qm, the same licences: Qt-translations-copyright.txt.
  Source: Debian's $(source_of "$translations_package").

OpenSSL ${openssl_source%%-*}
    libssl-3-x64.dll, libcrypto-3-x64.dll
  Apache License, version 2.0 (Apache-2.0.txt). OpenSSL-copyright.txt names
  the authors and the licences of the parts inside.
  Source: built unchanged from Debian's source package openssl $openssl_source:
    https://snapshot.debian.org/package/openssl/$openssl_source/
  configured with: ${OPENSSL_WIN_CONFIGURE[*]}

SQLite ${sqlite_source%%-*}, inside sqldrivers\\qsqlite.dll
  In the public domain: SQLite-copyright.txt.
  Source: Debian's sqlite3 $sqlite_source, built with: $SQLITE_WIN_FLAGS

GCC runtime libraries $(upstream_of "$gcc_package")
    libgcc_s_seh-1.dll, libstdc++-6.dll
  GNU General Public License, version 3 (GPL-3.txt), with the GCC Runtime
  Library Exception, version 3.1 (GCC-RUNTIME-EXCEPTION.txt), which lets
  programs of any licence use them. Authors: GCC-runtime-copyright.txt.
  Source: Debian's $(source_of "$gcc_package").

mingw-w64 winpthreads $(upstream_of "$pthread_package")
    libwinpthread-1.dll
  The MIT (Expat) licence, parts under BSD licences: the entries
  "mingw-w64-libraries/winpthreads" in mingw-w64-copyright.txt.
  Source: Debian's $(source_of "$pthread_package").

The copyright files are Debian's: where they point to
/usr/share/common-licenses, LGPL-3.txt, GPL-3.txt and Apache-2.0.txt here are
those texts.
EOF
crlf "$licences/README.txt.in" "$licences/README.txt"
rm "$licences/README.txt.in"

if [ "$quick" = 0 ]; then
    (cd "$OUT" && zip -q -9 -r -X "$name.zip" "$name")
fi

# What the uninstaller removes: exactly the files of the folder, then its
# folders, deepest first.
(
    cd "$folder"
    find . -type f | sed 's|^\./||' | LC_ALL=C sort | while read -r file; do
        printf 'Delete "$INSTDIR\\%s"\n' "${file//\//\\}"
    done
    find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r | while read -r dir; do
        printf 'RMDir "$INSTDIR\\%s"\n' "${dir//\//\\}"
    done
) >"$OUT/uninstall-files.nsh"

nsis=(-V2 -DVERSION="$version" -DPRODUCT_VERSION="$product_version"
    -DVERSION_MAJOR="${product_version%%.*}" -DVERSION_MINOR="$(echo "$product_version" | cut -d. -f2)"
    -DSOURCE="$folder" -DFILES="$OUT/uninstall-files.nsh" -DICON="$ROOT/resources/images/quorvan.ico"
    -DOUTFILE="$OUT/zarel-$version-setup.exe")
[ "$signing" = 0 ] || nsis+=(-DSIGNER="$ROOT/scripts/sign-windows.sh")
[ "$quick" = 0 ] || nsis+=(-DCOMPRESSOR=zlib)
makensis "${nsis[@]}" "$ROOT/packaging/windows/zarel.nsi"
