#!/usr/bin/env bash
# Builds the Windows version on Debian, from Debian's archive alone: MinGW-w64
# cross-builds zarel.exe and merax-sim.exe against a Qt for Windows that is
# built once from Debian's qtbase source package and kept in a cache folder
# outside the clone ($ZAREL_WIN_CACHE, default ~/.cache/zarel-windows). Then
# packs, in build-windows/:
#   zarel-VERSION-win64.zip    a portable folder: both programs, the Qt and
#                              MinGW runtime DLLs and the plugins the panel uses
#   zarel-VERSION-setup.exe    an installer (per user by default, no
#                              administrator rights)
# With --test, it also runs the whole test suite under Wine.
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

WIN_PACKAGES=(cmake make g++ perl python3 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis zip dpkg-dev
    xz-utils qtbase5-dev-tools qttools5-dev-tools qttranslations5-l10n fonts-dejavu-core)
[ "$run_tests" = 0 ] || WIN_PACKAGES+=(wine wine64 fonts-ipafont-gothic)
bash "$ROOT/scripts/install-deps.sh" "${WIN_PACKAGES[@]}"

windows_qt

BUILD="${ZAREL_WIN_BUILD:-$ROOT/build-windows}"
# -U: a build folder made with an earlier Qt must not keep finding it.
cmake -S "$ROOT" -B "$BUILD" -U 'Qt5*' -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DCMAKE_PREFIX_PATH="$QT_WIN_PREFIX" -DCMAKE_BUILD_TYPE=Release -DZAREL_WERROR=ON \
    -DZAREL_TESTS="$([ "$run_tests" = 1 ] && echo ON || echo OFF)" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/scripts/wine-run.sh" >/dev/null
cmake --build "$BUILD" -j "$JOBS"

version="$(sed -n 's/^ZAREL_PACKAGE_VERSION:INTERNAL=//p' "$BUILD/CMakeCache.txt")"
name="zarel-$version-win64"
folder="$BUILD/$name"
rm -rf "$folder" "$BUILD"/zarel-*-win64.zip "$BUILD"/zarel-*-setup.exe
mkdir -p "$folder/platforms" "$folder/styles"
cp "$BUILD/zarel.exe" "$BUILD/tools/merax-sim/merax-sim.exe" "$folder/"
for module in Core Gui Widgets Network; do
    cp "$QT_WIN_PREFIX/bin/Qt5$module.dll" "$folder/"
done
cp "$QT_WIN_PREFIX/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$QT_WIN_PREFIX/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
# Qt's own texts (buttons, the colour dialog) in the panel's languages: the
# .qm files do not depend on the system, Debian's serve Windows too.
mkdir -p "$folder/translations"
for language in de es fr it ja pt_BR; do
    cp "/usr/share/qt5/translations/qtbase_$language.qm" "$folder/translations/"
done
gcc_runtime="$(windows_gcc_runtime)"
for dll in "$gcc_runtime/libgcc_s_seh-1.dll" "$gcc_runtime/libstdc++-6.dll" \
    "/usr/$WIN_TRIPLET/lib/libwinpthread-1.dll"; do
    cp "$dll" "$folder/"
done
"$WIN_TRIPLET-strip" --strip-unneeded "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll
sed 's/$/\r/' "$ROOT/packaging/copyright" >"$folder/copyright.txt"
sed 's/$/\r/' "$ROOT/packaging/windows/readme.txt" >"$folder/readme.txt"
(cd "$BUILD" && rm -f "$name.zip" && zip -q -9 -r -X "$name.zip" "$name")

makensis -V2 -DVERSION="$version" -DPRODUCT_VERSION="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")" \
    -DSOURCE="$folder" -DICON="$ROOT/resources/images/quorvan.ico" -DOUTFILE="$BUILD/zarel-$version-setup.exe" \
    "$ROOT/packaging/windows/zarel.nsi"

echo "Portable: $BUILD/$name.zip ($(du -h "$BUILD/$name.zip" | cut -f1))"
echo "Installer: $BUILD/zarel-$version-setup.exe ($(du -h "$BUILD/zarel-$version-setup.exe" | cut -f1))"

if [ "$run_tests" = 1 ]; then
    ZAREL_WIN_QT="$QT_WIN_PREFIX" ZAREL_WIN_BUILD="$BUILD" bash "$ROOT/scripts/test-windows.sh"
fi
