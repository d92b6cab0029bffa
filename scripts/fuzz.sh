#!/usr/bin/env bash
# Fuzzes for SECONDS (default 60) under AddressSanitizer and
# UndefinedBehaviorSanitizer: scripts/fuzz.sh [SECONDS] [TARGET]. TARGET is
# GedcomReader (the default), the reader alone, or Pipeline, the reader and
# then every view of the first persons, both seeded with the test files and
# the corpus; or VCardReader, seeded with tests/data/fuzz-seeds/VCardReader.
# An input that keeps Pipeline busy for 5 seconds is a fault too. Installs
# clang and its fuzzer runtime when they are missing. Inputs that find a fault
# are written to build-fuzz/faults/; keep each in tests/data/reader-faults/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
target="${2:-GedcomReader}"

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
cmake --build "$folder" --target "fuzz_$target"

corpus="$folder/corpus/$target"
mkdir -p "$corpus" "$folder/faults"
if [[ "$target" == GedcomReader || "$target" == Pipeline ]]; then
    find tests/data ../shared/corpus -maxdepth 2 -type f \( -iname '*.ged' -o -path '*reader-faults*' \) \
        -exec cp -n {} "$corpus/" \; 2>/dev/null || true
else
    cp -n "tests/data/fuzz-seeds/$target"/* "$corpus/"
fi

timeout=10
if [[ "$target" == Pipeline ]]; then
    timeout=5
fi
"$folder/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=32768 -timeout="$timeout" \
    -rss_limit_mb=4096 -artifact_prefix="$folder/faults/" -print_final_stats=1 "$corpus"
