# Shared by the run and test scripts.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_PACKAGES=(cmake make g++ qtbase5-dev qtbase5-dev-tools libqt5network5 libqt5test5 libqt5sql5-sqlite
    libqt5websockets5-dev libssl-dev fonts-dejavu-core
    qttools5-dev-tools qttranslations5-l10n fonts-ipafont-gothic)
# The screen-reader tests: a private X server and D-Bus session, the
# accessibility bus and its Python client; Orca with its speech (into a null
# sink), a window manager and a keyboard driver.
A11Y_TEST_PACKAGES=(xvfb x11-utils dbus-daemon at-spi2-core python3-pyatspi orca speech-dispatcher
    speech-dispatcher-espeak-ng espeak-ng openbox xdotool)
# The browser panel's test: Debian's Chromium, driven by puppeteer-core from
# the npm registry (tests/browser/package-lock.json).
BROWSER_TEST_PACKAGES=(chromium)
# Node.js and npm, unless the machine has its own.
browser_test_setup() {
    if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
        bash "$ROOT/scripts/install-deps.sh" nodejs npm
    fi
    (cd "$ROOT/tests/browser" && npm ci --no-audit --no-fund --loglevel=error)
}
JOBS="$(nproc 2>/dev/null || echo 2)"

# build DIR [TARGET...]: configures (warnings are errors) and builds.
build() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAREL_WERROR=ON -DZAREL_TESTS=ON >/dev/null
    if [ $# -gt 0 ]; then
        local targets=()
        for target in "$@"; do targets+=(--target "$target"); done
        cmake --build "$dir" -j "$JOBS" "${targets[@]}"
    else
        cmake --build "$dir" -j "$JOBS"
    fi
}
