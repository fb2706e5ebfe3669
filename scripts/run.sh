#!/usr/bin/env bash
# Installs what is missing, builds Kestrom and runs it with the given arguments.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROM_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build" --parallel 2 --target kestrom
exec "$root/build/main/kestrom" "$@"
