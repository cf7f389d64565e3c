#!/usr/bin/env bash
# Starts the program under a virtual 1280x800 X display on the demo data folder and saves a
# screenshot of the whole screen to <build>/screenshot.png. `make screenshot` runs it from the
# demo, with the simulated platforms.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/demo-env.sh "${1:-build}"
saida="$(cd "${1:-build}" && pwd)/screenshot.png"
espera=${ESPERA:-8}

tela=:$((90 + RANDOM % 100))
Xvfb "$tela" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1

DISPLAY=$tela QT_QPA_PLATFORM=xcb "$programa" &
brivana=$!
sleep "$espera"
DISPLAY=$tela import -window root "png:$saida"
kill "$brivana" 2>/dev/null || true
wait "$brivana" 2>/dev/null || true
echo "Screenshot: $saida"
