#!/usr/bin/env bash
# Installs what is missing, builds Ravlo and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

exec build/release/src/cli/ravlo-cli ports
