#!/usr/bin/env bash
# Configures and builds one build folder: build.sh <folder> [extra cmake arguments...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
launcher=()
if command -v ccache >/dev/null; then
  # Several checkouts of the tree share one cache: paths are hashed relative to their parent.
  export CCACHE_BASEDIR="$(dirname "$top")" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$top" -B "$top/$dir" -G Ninja -DCMAKE_BUILD_TYPE="${DV_BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@" >/dev/null
cmake --build "$top/$dir"
