#!/usr/bin/env bash
# Renders the editor's windows into docs/*.png under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target ravlo-screenshots
mkdir -p docs
xvfb-run -a -s "-screen 0 1600x1200x24" build/release/tools/screenshots/ravlo-screenshots docs
ls docs/*.png
