#!/usr/bin/env bash
# Builds and runs the benchmarks (bench/). The whole-process benchmark starts
# the program and its bare Qt floors in an X server of its own, with a D-Bus
# session bus as a desktop session has one (without it Qt's accessibility
# bridge spends ~80 ms trying to start one). Arguments go to every
# benchmark, e.g. --benchmark_filter=Close.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
for bench in build/bench/*_bench; do
  echo "== $(basename "$bench")"
  if [ "$(basename "$bench")" = process_bench ]; then
    dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" "$bench" "$@"
  else
    "$bench" "$@"
  fi
done
