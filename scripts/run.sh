#!/usr/bin/env bash
# Sets up, builds and starts Dayvault on its default database.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" build -DDV_BUILD_TESTS=OFF -DDV_BUILD_BENCH=OFF
if [ -x "$top/build/dayvault" ]; then
  exec "$top/build/dayvault" "$@"
fi
# Until the desktop program exists, show the default database through the command-line tool.
docs=$(xdg-user-dir DOCUMENTS 2>/dev/null || echo "$HOME/Documents")
default_db="$docs/My Dayvault Documents/default"
if [ $# -gt 0 ]; then
  exec "$top/build/dayvault-cli" "$@"
elif [ -f "$default_db/_main_data.dayvault" ]; then
  echo "The desktop program is not built yet; the default database, through dayvault-cli:"
  exec "$top/build/dayvault-cli" info "$default_db"
fi
echo "The desktop program is not built yet, and there is no default database at $default_db."
exec "$top/build/dayvault-cli" --help
