#!/usr/bin/env bash
# Builds the Debian package of Zarel in build/ (or ZAREL_PACKAGE_BUILD) and
# installs it with apt, which also installs the libraries and the font it
# depends on. Run as root.
# The package's version names the commit, so each commit's build replaces the
# last; what it prints at the end says whether anything new was installed.
set -euo pipefail
source "$(dirname "$0")/common.sh"
bash "$ROOT/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}" dpkg-dev
dir="${ZAREL_PACKAGE_BUILD:-$ROOT/build}"
build "$dir" zarel zarel-station merax-sim
version="$(sed -n 's/^ZAREL_PACKAGE_VERSION:INTERNAL=//p' "$dir/CMakeCache.txt")"
deb="$dir/zarel_${version}_$(dpkg --print-architecture).deb"
rm -f "$dir"/zarel_*.deb
(cd "$dir" && cpack -G DEB)
[ -f "$deb" ] || { echo "install-package: cpack made no $deb" >&2; exit 1; }

installed_version() {
    { dpkg-query -W -f='${db:Status-Abbrev} ${Version}' zarel 2>/dev/null || true; } | awk '$1 == "ii" {print $2}'
}
# The files of the package as installed, and as built: the same version from
# a working tree with changes not yet committed may hold other files.
same_files() {
    cmp -s <(sort /var/lib/dpkg/info/zarel.md5sums 2>/dev/null) \
        <(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./md5sums | sort)
}

before="$(installed_version)"
if [ "$before" = "$version" ] && same_files; then
    echo "Nothing new installed: zarel $version is installed already, with the same files."
    exit 0
fi
if [ "$before" = "$version" ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "$deb"
else
    # Two commits of one day order by their hashes, not by time: the older
    # one may carry the higher version, and still has to install.
    DEBIAN_FRONTEND=noninteractive apt-get install -y --allow-downgrades "$deb"
fi
after="$(installed_version)"
if [ "$after" != "$version" ] || ! same_files; then
    echo "install-package: zarel $version did not install (installed: ${after:-none})" >&2
    exit 1
fi
if [ -z "$before" ]; then
    echo "Installed zarel $version."
elif [ "$before" = "$version" ]; then
    echo "Installed zarel $version again: its files changed since the last install (changes not yet committed)."
else
    echo "Installed zarel $version in place of $before."
fi
echo "Start Zarel from the desktop's menu or with 'zarel'; the simulator is 'merax-sim'."
