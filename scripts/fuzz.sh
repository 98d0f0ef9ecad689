#!/bin/sh
# Builds the fuzz targets with clang and runs each for SECONDS (default 60),
# keeping a corpus per target in build/fuzz/corpus/. Findings are written to
# build/fuzz/findings/. Prints executions and coverage per target.
#
#   scripts/fuzz.sh 600                      every target for ten minutes
#   scripts/fuzz.sh 60 fuzz_date_input       one target
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-"fuzz_date_input fuzz_strproc fuzz_vellum fuzz_settings fuzz_orvc_batch"}

. ./scripts/ensure-packages.sh
orv_required_packages="$orv_required_packages clang-14 libclang-rt-14-dev"
orv_prepare_build fuzz

mkdir -p build/fuzz/findings
for target in $targets; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target, $seconds s"
  LC_ALL=C build/fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/findings/"$target"- "$corpus" 2>&1 |
    grep -E '^#[0-9]+ +DONE|stat::number_of_executed_units|ERROR|SUMMARY' || true
done
