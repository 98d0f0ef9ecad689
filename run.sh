#!/bin/sh
# Installs what is missing, builds Orvantis and starts the desktop program.
set -eu
cd "$(dirname "$0")"
. ./scripts/ensure-packages.sh
orv_prepare_build dev
exec build/dev/app/orvantis "$@"
