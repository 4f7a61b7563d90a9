#!/usr/bin/env bash
# Installs what is missing, builds Ravlo and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset debug >/dev/null
cmake --build --preset debug
ctest --preset debug -j "$(nproc)"
