#!/usr/bin/env bash
# Installs what is missing, builds Ravlo and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

editor=build/release/src/app/ravlo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Ravlo on a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$editor"
fi
exec "$editor"
