#!/usr/bin/env bash
# Builds Stemmark and starts it on the sample file that comes with it, or on
# the files named.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target stemmark
if [[ $# -eq 0 ]]; then
    set -- resources/sample/Stemmark-sample.ged
fi
exec build/src/gui/stemmark "$@"
