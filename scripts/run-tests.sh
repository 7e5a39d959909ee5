#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
set -euo pipefail
source "$(dirname "$0")/common.sh"
bash "$ROOT/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}" clang-format

echo "== build (warnings are errors)"
build "$ROOT/build" -DZAREL_WERROR=ON
echo "== format"
cmake --build "$ROOT/build" --target check-format
echo "== tests"
(cd "$ROOT/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")
