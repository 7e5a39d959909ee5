#!/usr/bin/env bash
# Builds the whole project twice, with AddressSanitizer + UndefinedBehavior-
# Sanitizer (build-asan) and with ThreadSanitizer (build-tsan), and runs the
# test suite in each. Suppressions for the uninstrumented Qt libraries are in
# tests/lsan.supp and tests/tsan.supp.
set -euo pipefail
source "$(dirname "$0")/common.sh"
bash "$ROOT/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}" libhamlib-utils

# sanitized_build DIR [CMAKE OPTION...]: configures (warnings are errors) and builds everything.
sanitized_build() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAREL_WERROR=ON -DZAREL_TESTS=ON "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

run_suite() {
    local dir=$1
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")
}

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
sanitized_build "$ROOT/build-asan" -DZAREL_ASAN=ON -DZAREL_TSAN=OFF
run_suite "$ROOT/build-asan"

echo "== ThreadSanitizer"
sanitized_build "$ROOT/build-tsan" -DZAREL_TSAN=ON -DZAREL_ASAN=OFF
run_suite "$ROOT/build-tsan"
