#!/usr/bin/env bash
# Starts the program on the demo data folder (see demo-env.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/demo-env.sh "${1:-build}"
echo "Demo data folder: $demo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: taking a screenshot under Xvfb instead (make screenshot)."
  exec bash scripts/screenshot.sh "${1:-build}"
fi
exec "$programa"
