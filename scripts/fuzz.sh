#!/usr/bin/env bash
# Fuzzes the GEDCOM reader for SECONDS (default 60) under AddressSanitizer and
# UndefinedBehaviorSanitizer, seeded with the test files and the corpus.
# Installs clang and its fuzzer runtime when they are missing. Inputs that
# find a fault are written to build-fuzz/faults/; keep each as a regression
# file in tests/data/reader-faults/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

runtime() { [[ -f "$(clang -print-resource-dir 2>/dev/null)/lib/linux/libclang_rt.fuzzer-x86_64.a" ]]; }
if ! command -v clang++ >/dev/null || ! runtime; then
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends clang >/dev/null
    major=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -1)
    runtime || $sudo apt-get install -y -qq --no-install-recommends "libclang-rt-${major}-dev" >/dev/null
fi

folder=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTEMMARK_FUZZ=ON -DSANITIZE=ON -DSTEMMARK_TESTS=OFF -DSTEMMARK_BENCHMARKS=OFF >/dev/null
cmake --build "$folder" --target fuzz_GedcomReader

mkdir -p "$folder/corpus" "$folder/faults"
find tests/data ../shared/corpus -maxdepth 2 -type f \( -iname '*.ged' -o -path '*reader-faults*' \) \
    -exec cp -n {} "$folder/corpus/" \; 2>/dev/null || true

"$folder/fuzz/fuzz_GedcomReader" -max_total_time="$seconds" -max_len=32768 -timeout=10 \
    -rss_limit_mb=4096 -artifact_prefix="$folder/faults/" -print_final_stats=1 "$folder/corpus"
