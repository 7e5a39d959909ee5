#!/usr/bin/env bash
# Builds the Windows version on Debian, from Debian's archive alone: MinGW-w64
# cross-builds zarel.exe, zarel-station.exe and merax-sim.exe against a Qt for Windows (with
# OpenSSL) that is built once from Debian's source packages
# and kept in a cache folder outside the clone ($ZAREL_WIN_CACHE, default
# ~/.cache/zarel-windows; windows-qt.sh). Then
# packs, in build-windows/ (package-windows.sh):
#   zarel-VERSION-win64.zip    a portable folder: both programs, the console
#                              companion, the Qt, OpenSSL and MinGW DLLs, the
#                              plugins the panel uses and their licences
#   zarel-VERSION-setup.exe    an installer (per user by default, no
#                              administrator rights)
# With ZAREL_SIGN_CERT and ZAREL_SIGN_KEY naming a code-signing certificate and
# its key, the programs, Qt's DLLs, the setup and its uninstaller are signed
# (ZAREL_SIGN_TIMESTAMP: a timestamp server; see sign-windows.sh).
# With --test, it also checks what it packed (check-windows.sh: the PE files,
# the setup's contents, installs under Wine, a signed build) and runs the
# whole test suite under Wine.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$ROOT/scripts/windows-qt.sh"

run_tests=0
for argument in "$@"; do
    case "$argument" in
    --test) run_tests=1 ;;
    *)
        echo "usage: $0 [--test]" >&2
        exit 2
        ;;
    esac
done

WIN_PACKAGES=(cmake make g++ perl python3 tcl libsqlite3-0 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis zip dpkg-dev
    xz-utils qtbase5-dev-tools qttools5-dev-tools qttranslations5-l10n fonts-dejavu-core)
# Signing, and the checks of what was built: PE headers and resources, the
# setup's contents, installs under Wine.
[ -z "${ZAREL_SIGN_CERT:-}${ZAREL_SIGN_KEY:-}" ] || WIN_PACKAGES+=(osslsigncode)
[ "$run_tests" = 0 ] || WIN_PACKAGES+=(wine wine64 fonts-ipafont-gothic osslsigncode openssl p7zip-full unzip icoutils)
bash "$ROOT/scripts/install-deps.sh" "${WIN_PACKAGES[@]}"

windows_qt

BUILD="${ZAREL_WIN_BUILD:-$ROOT/build-windows}"
# -U: a build folder made with an earlier Qt (and its OpenSSL, in the same
# prefix) must not keep finding it.
cmake -S "$ROOT" -B "$BUILD" -U 'Qt5*' -U 'OPENSSL_*' -U 'LIB_EAY*' -U 'SSL_EAY*' \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$QT_WIN_PREFIX" \
    -DOPENSSL_ROOT_DIR="$QT_WIN_PREFIX" -DCMAKE_BUILD_TYPE=Release -DZAREL_WERROR=ON \
    -DZAREL_TESTS="$([ "$run_tests" = 1 ] && echo ON || echo OFF)" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/scripts/wine-run.sh" >/dev/null
cmake --build "$BUILD" -j "$JOBS"

version="$(sed -n 's/^ZAREL_PACKAGE_VERSION:INTERNAL=//p' "$BUILD/CMakeCache.txt")"
bash "$ROOT/scripts/package-windows.sh" "$BUILD" "$QT_WIN_PREFIX" "$BUILD"
echo "Portable: $BUILD/zarel-$version-win64.zip ($(du -h "$BUILD/zarel-$version-win64.zip" | cut -f1))"
echo "Installer: $BUILD/zarel-$version-setup.exe ($(du -h "$BUILD/zarel-$version-setup.exe" | cut -f1))"
[ -z "${ZAREL_SIGN_CERT:-}" ] || echo "Signed with $ZAREL_SIGN_CERT"

if [ "$run_tests" = 1 ]; then
    ZAREL_WIN_QT="$QT_WIN_PREFIX" ZAREL_WIN_BUILD="$BUILD" bash "$ROOT/scripts/check-windows.sh"
    ZAREL_WIN_QT="$QT_WIN_PREFIX" ZAREL_WIN_BUILD="$BUILD" bash "$ROOT/scripts/test-windows.sh"
fi
