#!/usr/bin/env bash
# Configures and builds: build/ (the program, tests, benchmarks) and, with --asan,
# build-asan/ (the headless tests under AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

if [ "${1:-}" = "--asan" ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSKAT_SANITIZE=ON >/dev/null
  cmake --build build-asan -j "$jobs"
fi
