#!/bin/sh
# Installs the Debian packages Orvantis needs to build, test and run, but only
# those that are missing, so a second run costs nothing. Works as root and
# through sudo. Sourced by ./test.sh and ./run.sh, which also build with it.

orv_required_packages="
  cmake
  ninja-build
  g++
  qt6-base-dev
  qt6-charts-dev
  libqt6opengl6-dev
  qt6-svg-dev
  libgl-dev
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  clang-format
  clang-tidy
  fonts-croscore
  fonts-liberation2
  fonts-dejavu-core
  libqt6svg6
  desktop-file-utils
  appstream
  dpkg-dev
  python3
"

orv_missing_packages() {
  for package in $orv_required_packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      printf '%s ' "$package"
    fi
  done
}

orv_ensure_packages() {
  missing=$(orv_missing_packages)
  if [ -z "$missing" ]; then
    return 0
  fi
  echo "Installing missing Debian packages: $missing"
  if [ "$(id -u)" -eq 0 ]; then
    as_root=""
  elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
  else
    echo "These packages are missing and neither root nor sudo is available: $missing" >&2
    return 1
  fi
  # shellcheck disable=SC2086
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

# Installs what is missing, then configures and builds the given CMake preset.
orv_prepare_build() {
  orv_ensure_packages
  cmake --preset "$1"
  cmake --build --preset "$1"
}
