#!/usr/bin/env bash
# Builds Ortavi (Release) and measures its start-up time and peak memory against a bare Qt
# window under Xvfb. Arguments go to tools/measure_startup.py (e.g. --runs 15).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
ortavi_need bench

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORTAVI_BUILD_TESTS=OFF
cmake --build build-release --target Ortavi bare_window ortavi-scramble
python3 tools/measure_startup.py --build build-release "$@"
