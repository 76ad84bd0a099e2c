#!/usr/bin/env bash
# Installs what is missing, builds and starts Kopira.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Kopira needs a display, and this machine has none." >&2
  echo "To run it under a virtual X server:  xvfb-run -a -s '-screen 0 1280x1024x24' build/app/kopira" >&2
  exit 1
fi
exec build/app/kopira
