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
# Another apt run (a desktop's automatic updates after boot, another build
# here) can hold the package manager's locks for minutes: wait for them, up to
# ten minutes, rather than fail at once. apt-get waits for dpkg's lock itself,
# not for those of the package lists and the download folder: a run refused
# by one of those is tried again.
lock_wait=600
apt_get() {
    local deadline=$((SECONDS + lock_wait)) errors status told=""
    errors=$(mktemp)
    while :; do
        status=0
        apt-get -o DPkg::Lock::Timeout="$lock_wait" "$@" 2>"$errors" || status=$?
        if [ "$status" -eq 0 ] || [ "$SECONDS" -ge "$deadline" ] ||
            ! grep -q -e 'Could not get lock' -e 'Unable to lock' -e 'Unable to acquire' "$errors"; then
            cat "$errors" >&2
            rm -f "$errors"
            return "$status"
        fi
        [ -n "$told" ] || echo "Waiting for another package manager run to finish..." >&2
        told=1
        sleep 5
    done
}
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
    apt_get update -qq
    status=0
    DEBIAN_FRONTEND=noninteractive apt_get install -y -qq --no-install-recommends "${missing[@]}" || status=$?
    # Recorded even when apt failed halfway: what it did install is still ours.
    if [ -n "${ZAREL_DEPS_RECORD:-}" ]; then
        LC_ALL=C comm -13 "$ZAREL_DEPS_RECORD.before" <(installed) >>"$ZAREL_DEPS_RECORD"
        rm -f "$ZAREL_DEPS_RECORD.before"
    fi
    exit "$status"
fi
