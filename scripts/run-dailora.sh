#!/usr/bin/env bash
# Installs what is missing, builds, stages the program folder build/app and starts Dailora.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Dailora is built in $root/build/app, but there is no display to show it on (DISPLAY is not set)." >&2
    exit 1
fi
exec "$root/build/app/Dailora"
