#!/usr/bin/env bash
# Builds Ortavi with its tests and runs the whole suite. Installs what it needs on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
ortavi_need test

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORTAVI_BUILD_TESTS=ON
cmake --build build
ctest --test-dir build --output-on-failure
