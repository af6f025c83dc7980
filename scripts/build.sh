#!/usr/bin/env bash
# Configures and builds one build folder: build.sh <folder> [extra cmake arguments...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
cmake -S "$top" -B "$top/$dir" -G Ninja -DCMAKE_BUILD_TYPE="${DV_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$top/$dir"
