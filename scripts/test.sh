#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the normal
# build, then again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
(cd build && ctest --output-on-failure --parallel "$(nproc)")
bash scripts/test-sanitizers.sh
