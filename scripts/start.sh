#!/usr/bin/env bash
# Installs what is missing, builds Korvanti once as a Release build into
# build/release and starts it with the arguments given here. Later runs only
# rebuild what changed, so they start at once.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
if [ ! -f build/release/build.ninja ]; then
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVANTI_TESTS=OFF
fi
cmake --build build/release --target korvanti
exec build/release/src/app/korvanti "$@"
