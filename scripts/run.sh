#!/usr/bin/env bash
# Sets up, builds and starts the program in its folder build/app/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd build/app
exec ./skat "$@"
