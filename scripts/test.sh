#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVANTI_SANITIZE=ON
cmake --build build/sanitize
ctest --test-dir build/sanitize --output-on-failure --timeout 600 -j "$(nproc)"
