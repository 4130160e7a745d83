#!/usr/bin/env bash
# Builds Ortavi and starts it. Installs what the build needs on a Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
ortavi_need build

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORTAVI_BUILD_TESTS=OFF
cmake --build build

# The build folder is the program folder: the program runs with it as its current folder.
cd build
exec ./Ortavi
