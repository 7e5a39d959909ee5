#!/usr/bin/env bash
# Installs, with Debian's packages, whatever of the given list is missing.
# Usage: install-deps.sh PACKAGE...
# With ZAREL_DEPS_RECORD=FILE, the packages this run newly installed (those
# asked for and what they pulled in) are added to FILE, one a line, so the
# caller can remove exactly them again.
set -euo pipefail
missing=()
for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
installed() {
    dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" {print $2}' | LC_ALL=C sort
}
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run as root (or with sudo) to install the missing packages." >&2
        exit 1
    fi
    [ -z "${ZAREL_DEPS_RECORD:-}" ] || installed >"$ZAREL_DEPS_RECORD.before"
    apt-get update -qq
    status=0
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" || status=$?
    # Recorded even when apt failed halfway: what it did install is still ours.
    if [ -n "${ZAREL_DEPS_RECORD:-}" ]; then
        LC_ALL=C comm -13 "$ZAREL_DEPS_RECORD.before" <(installed) >>"$ZAREL_DEPS_RECORD"
        rm -f "$ZAREL_DEPS_RECORD.before"
    fi
    exit "$status"
fi
