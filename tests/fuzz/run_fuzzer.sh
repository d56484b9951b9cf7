#!/usr/bin/env bash
# run_fuzzer.sh FUZZER SEEDS WORKDIR SECONDS: fuzz for a bounded time from the
# committed seeds; new inputs go to WORKDIR so the seed corpus stays as it is.
set -euo pipefail
fuzzer=$1 seeds=$2 work=$3 seconds=$4
mkdir -p "$work/corpus" "$work/artifacts"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "$work/corpus" "$seeds"
