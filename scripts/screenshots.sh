#!/usr/bin/env bash
# Pictures of the desktop program on the demo database, taken on a virtual X server:
# scripts/screenshots.sh [OUTDIR] [ACTION...]  (OUTDIR defaults to build/screenshots).
# Each tab is pictured, then each named menu action with what it opens.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/screenshots}; shift || true
"$top/scripts/build.sh" build -DDV_BUILD_GUI=ON >/dev/null
work=$(mktemp -d); trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
sleep 1
export HOME=$work XDG_CONFIG_HOME=$work/config DISPLAY=$display LC_ALL=C.UTF-8
"$top/build/dayvault-cli" demo "$work/demo" >/dev/null
"$top/build/dayvault-screenshots" "$work/demo" "$out" "$@"
