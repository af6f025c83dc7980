#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the tests, the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, and a short run of every fuzz target over its seed corpus.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
export LC_ALL=C.UTF-8

scripts/setup.sh

echo "== build and test"
scripts/build.sh build -DDV_BUILD_TESTS=ON -DDV_BUILD_BENCH=ON -DDV_BUILD_GUI=ON
ctest --test-dir build --output-on-failure -j2

echo "== sanitizers"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DDV_SANITIZE=ON -DDV_BUILD_GUI=OFF -DDV_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j2

echo "== fuzzing"
scripts/fuzz.sh "${DV_FUZZ_SECONDS:-20}"
echo "All tests passed."
