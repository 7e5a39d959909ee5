#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: the normal
# build (warnings are errors) with the format check and every test, the same
# suite under AddressSanitizer + UndefinedBehaviorSanitizer and under
# ThreadSanitizer, and fuzz runs of the status report and RadioInfo readers.
# Between them, the Debian package is built, validated and its panel started
# as an ordinary user. Hamlib's rigctld (libhamlib-utils) is the real radio
# daemon the band-following test talks to. Last, the Windows version is
# cross-built (Qt for Windows first, from Debian's source, unless cached) and
# the same suite runs under Wine.
# Set ZAREL_QUICK=1 to run only the normal build and its tests, and
# ZAREL_WINDOWS=0 to leave out the Windows build.
set -euo pipefail
source "$(dirname "$0")/common.sh"
bash "$ROOT/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}" "${A11Y_TEST_PACKAGES[@]}" "${BROWSER_TEST_PACKAGES[@]}" \
    clang-format libhamlib-utils
browser_test_setup

stage() {
    echo
    echo "== $1 ($(date +%T))"
}

stage "build (warnings are errors)"
build "$ROOT/build"
stage "format"
cmake --build "$ROOT/build" --target check-format
stage "tests"
(cd "$ROOT/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")
stage "package"
bash "$ROOT/scripts/check-package.sh"

if [ "${ZAREL_QUICK:-0}" != 1 ]; then
    stage "sanitizers"
    bash "$ROOT/scripts/run-sanitizers.sh"
    stage "fuzzing"
    bash "$ROOT/scripts/run-fuzz.sh"
fi
if [ "${ZAREL_QUICK:-0}" != 1 ] && [ "${ZAREL_WINDOWS:-1}" != 0 ]; then
    stage "Windows: cross-built, the suite under Wine"
    bash "$ROOT/scripts/build-windows.sh" --test
fi
stage "done"
