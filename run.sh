#!/bin/sh
# Installs what is missing, builds Orvantis and starts the desktop program.
set -eu
cd "$(dirname "$0")"
. ./scripts/ensure-packages.sh
orv_prepare_build dev

program="build/dev/app/orvantis"
if [ ! -x "$program" ]; then
  echo "Orvantis is built (calendar engine, text routines, tests), but it has no window yet:"
  echo "the main window is the next piece of work. Run ./test.sh to exercise what exists."
  exit 1
fi
exec "$program" "$@"
