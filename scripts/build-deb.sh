#!/bin/sh
# Builds the two Debian packages from an optimised build and checks them:
# lintian, their dependencies and file lists, that orvc's package needs no
# widget library, that orvantis's carries its chart and printing plugin with
# the libraries it needs, and orvc run from its unpacked package.
#   scripts/build-deb.sh  -> build/release/package/orvc_<version>_<arch>.deb
#                            build/release/package/orvantis_<version>_<arch>.deb
# Install them with: sudo apt-get install ./build/release/package/*.deb
set -eu
cd "$(dirname "$0")/.."
. ./scripts/ensure-packages.sh
orv_required_packages="$orv_required_packages lintian"
orv_prepare_build release
rm -rf build/release/package
(cd build/release && cpack -G DEB -B package > /dev/null)
for deb in build/release/package/*.deb; do
  echo "== $deb"
  dpkg-deb --field "$deb" Package Version Architecture Depends Suggests
  dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '/$'
  # Errors fail the build; warnings are shown.
  lintian --fail-on error "$deb"
done

cli=$(ls build/release/package/orvc_*.deb)
if dpkg-deb --field "$cli" Depends | grep -Eq 'libqt6(gui|widgets)|qpa|fonts'; then
  echo "orvc's package depends on the desktop's libraries" >&2
  exit 1
fi
desktop=$(ls build/release/package/orvantis_*.deb)
if ! dpkg-deb --contents "$desktop" | grep '/usr/lib/orvantis/liborvantis_chart_print\.so$' >/dev/null ||
   ! dpkg-deb --field "$desktop" Depends | grep -q 'libqt6charts6.*libqt6printsupport6.*libqt6svg6'; then
  echo "orvantis's package lacks its chart and printing plugin or the libraries it needs" >&2
  exit 1
fi
root=$(mktemp -d)
dpkg-deb --extract "$cli" "$root"
echo "== orvc from its package"
"$root/usr/bin/orvc" convert "2000-01-01 CE"
rm -rf "$root"
