#!/usr/bin/env bash
# Sets up, builds and starts Dayvault on its default database.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" build -DDV_BUILD_TESTS=OFF -DDV_BUILD_BENCH=OFF
exec "$top/build/dayvault" "$@"
