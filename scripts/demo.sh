#!/usr/bin/env bash
# Starts two simulated platforms and the program on the demo data folder (see demo-env.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/demo-env.sh "${1:-build}"
echo "Demo data folder: $demo"

# The calibration that matches the simulator's count model (empty platform 100000 counts,
# 1000 counts per kg), so forces are right without calibrating first.
configuracao="$XDG_CONFIG_HOME/Marvoda/Brivana1/brivana.conf"
mkdir -p "$(dirname "$configuracao")"
[ -f "$configuracao" ] || echo '[Parametros]' > "$configuracao"
if ! grep -q '^SemPesoP1=' "$configuracao"; then
  cat >> "$configuracao" <<'CONF'
P1Ativa=1
P2Ativa=1
SemPesoP1=100000,000
SemPesoP2=100000,000
ComPesoP1=120000,000
ComPesoP2=120000,000
CargaP1=20,000
CargaP2=20,000
IDCP1=1000,000
IDCP2=1000,000
TaraP1=0,000
TaraP2=0,000
LateralP1=Direita
LateralP2=Esquerda
CONF
fi

"$simulador" --dispositivos 2 --massa 70 --divisao 0.5 --cenario cmj --inicio 3 > "$demo/simulador.log" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do grep -q '^pronto' "$demo/simulador.log" && break; sleep 0.1; done
grep '^porta' "$demo/simulador.log" || true

if [ -n "${CAPTURA:-}" ] || { [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; }; then
  [ -n "${CAPTURA:-}" ] || echo "No display here: taking a screenshot under Xvfb instead."
  bash scripts/screenshot.sh "${1:-build}"
else
  "$programa"
fi
