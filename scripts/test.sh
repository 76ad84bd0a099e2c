#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
# Tests that need an X server or a CUPS queue start their own (see tests/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd build
ctest --output-on-failure --timeout 600 "$@"
