#!/usr/bin/env bash
# Builds Stemmark and runs every test. With --sanitize the same suite is built
# with AddressSanitizer and UndefinedBehaviorSanitizer in a folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

folder=build
options=(-DWARNINGS_AS_ERRORS=ON)
if [[ "${1:-}" == "--sanitize" ]]; then
    folder=build-sanitize
    options+=(-DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi

cmake -S . -B "$folder" -G Ninja "${options[@]}" >/dev/null
cmake --build "$folder"
ctest --test-dir "$folder" --output-on-failure -j"$(nproc)"
