#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time over its seed corpus:
# fuzz.sh [seconds per target] [target...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}; shift || true
CC=clang CXX=clang++ "$top/scripts/build.sh" build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDV_BUILD_FUZZ=ON -DDV_BUILD_TESTS=OFF -DDV_BUILD_BENCH=OFF -DDV_BUILD_GUI=OFF
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in "$top"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
for t in "${targets[@]}"; do
  seeds=("$top/fuzz/corpus/$t")
  [ -d "${seeds[0]}" ] || seeds=()      # a new target may start without seeds
  work=$(mktemp -d)                    # new inputs stay out of the repository's seed corpus
  echo "-- $t for ${seconds}s"
  "$top/build-fuzz/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 "$work" "${seeds[@]}" 2>&1 | tail -n 12
  rm -rf "$work"
done
