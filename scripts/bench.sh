#!/usr/bin/env bash
# Runs every benchmark of an optimised build folder.
set -euo pipefail
build=${1:-build-release}
for programa in "$build"/bench/bench_*; do
  [ -f "$programa" ] && [ -x "$programa" ] || continue
  echo "== $(basename "$programa")"
  QT_QPA_PLATFORM=offscreen "$programa" --benchmark_min_time=0.5
done
