#!/usr/bin/env bash
# Configures and builds into build/ (the program, the tests and the benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
