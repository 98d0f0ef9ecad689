#!/bin/sh
# Installs what is missing, configures, builds and runs every test through CTest.
# Exits non-zero when anything fails.
set -eu
cd "$(dirname "$0")"
. ./scripts/ensure-packages.sh
orv_prepare_build dev
ctest --preset dev
