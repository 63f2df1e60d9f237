#!/usr/bin/env bash
# Installs what is missing, builds, stages the program folder build/app and starts Lanmate alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Lanmate is built in $root/build/app, but there is no display to show it on (DISPLAY is not set)." >&2
    exit 1
fi
exec "$root/build/app/Lanmate.dat"
