#!/bin/sh
# Builds the Debian package from an optimised build and checks it: its
# dependencies, its file list, and orvc run from the unpacked package.
#   scripts/build-deb.sh            -> build/release/package/orvantis_<version>_<arch>.deb
# Install it with: sudo apt-get install ./build/release/package/orvantis_*.deb
set -eu
cd "$(dirname "$0")/.."
. ./scripts/ensure-packages.sh
orv_prepare_build release
(cd build/release && cpack -G DEB -B package > /dev/null)
deb=$(ls build/release/package/orvantis_*.deb)
echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
echo "== files"
dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '/$'
root=$(mktemp -d)
dpkg-deb --extract "$deb" "$root"
echo "== orvc from the package"
"$root/usr/bin/orvc" convert "2000-01-01 CE"
test -f "$root/usr/share/orvantis/orvc.dat"
rm -rf "$root"
