#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (sanitizers on the libraries too)
# and runs each for a while on a copy of its seed corpus.
#   bash scripts/fuzz.sh [seconds-per-target] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(qrp_file ini_file emf_player text_file recovery_file)

bash scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DKOPIRA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
# fontconfig keeps global caches for the life of the process.
export ASAN_OPTIONS=detect_leaks=0
for t in "${targets[@]}"; do
  work=$(mktemp -d)
  cp -r "tests/fuzz/corpus/$t/." "$work/"
  echo "== $t for ${seconds}s"
  "build-fuzz/tests/fuzz/$t" "$work" -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=5 -print_final_stats=1
  rm -rf "$work"
done
