#!/usr/bin/env bash
# Installs what is missing, builds and starts the panel.
set -euo pipefail
source "$(dirname "$0")/common.sh"
bash "$ROOT/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}"
build "$ROOT/build"
exec "$ROOT/build/zarel" "$@"
