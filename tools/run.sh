#!/usr/bin/env bash
# Builds Ortavi and starts it. Installs what the build needs on a Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
ortavi_need build

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORTAVI_BUILD_TESTS=OFF
cmake --build build

echo
echo "Built: the calculation core (build/libortavi_logic.a) and the data-file tool (build/tools/ortavi-scramble)."
echo "The program window comes with the next step of the build; then this command starts it."
