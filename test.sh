#!/bin/sh
# Installs what is missing, configures, builds and runs every test through CTest.
# Exits non-zero when anything fails.
#
#   ./test.sh                the Debug build (preset dev)
#   ./test.sh --sanitizers   that, then the whole suite again under AddressSanitizer
#                            and UndefinedBehaviorSanitizer (preset asan), as CI runs it
set -eu
cd "$(dirname "$0")"
. ./scripts/ensure-packages.sh

case "${1:-}" in
  "") presets="dev" ;;
  --sanitizers) presets="dev asan" ;;
  *) echo "usage: ./test.sh [--sanitizers]" >&2; exit 2 ;;
esac

for preset in $presets; do
  orv_prepare_build "$preset"
  ctest --preset "$preset"
done
