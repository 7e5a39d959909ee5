#!/usr/bin/env bash
# Builds the Debian package of Zarel in build/ and installs it with apt, which
# also installs the libraries and the font it depends on. Run as root.
set -euo pipefail
source "$(dirname "$0")/common.sh"
bash "$ROOT/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}" dpkg-dev
build "$ROOT/build" zarel merax-sim
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$ROOT/build/CMakeCache.txt")"
deb="$ROOT/build/zarel_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$ROOT/build" && cpack -G DEB)
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"
echo "Installed: start Zarel from the desktop's menu or with 'zarel'; the simulator is 'merax-sim'."
