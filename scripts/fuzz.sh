#!/usr/bin/env bash
# Fuzzes under AddressSanitizer and UndefinedBehaviorSanitizer with libFuzzer.
#   scripts/fuzz.sh [SECONDS] [TARGET]  fuzzes TARGET for SECONDS (default 60)
#   scripts/fuzz.sh --ci [RUNS]         runs every target from its seeds, as CI
#                                       does: RUNS inputs each, or a number of
#                                       its own (ciRuns)
# TARGET is GedcomReader (the default), the reader alone, or Pipeline, the
# reader and then every view of the first persons, both seeded with the test
# files and the corpus; or VCardReader, TextNormalise, PlainLines,
# Continuation, IdIndex, TreeCounts or TagNames, seeded with
# tests/data/fuzz-seeds/TARGET. An input that keeps Pipeline busy for 5
# seconds is a fault too. fuzz/TARGET.dict, where there is one, gives
# libFuzzer the words of the target's input. Installs clang and its fuzzer
# runtime when they are missing. Inputs that find a fault are written to
# build-fuzz/faults/; keep the reader's in tests/data/reader-faults/, the
# others in the target's seeds.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each target's runs in CI: a few seconds of a core each, as a run of the
# targets that fill the model costs a millisecond or more under the
# sanitizers. Two run at once, and slow inputs (a line of a megabyte) are
# picked less often.
ciRuns=(TextNormalise:20000 PlainLines:5000 Continuation:3000 IdIndex:5000 TreeCounts:5000 TagNames:10000
        VCardReader:20000 GedcomReader:2000 Pipeline:2000)
ci=false
if [[ "${1:-}" == "--ci" ]]; then
    ci=true
    runs="${2:-}"
else
    seconds="${1:-60}"
    target="${2:-GedcomReader}"
fi

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
mkdir -p "$folder/faults"

timeoutOf() { [[ "$1" == Pipeline ]] && echo 5 || echo 10; }
dictOf() { [[ -f "fuzz/$1.dict" ]] && echo "-dict=fuzz/$1.dict" || true; }
# The inputs are files to the reader: in memory where the machine has it.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm

# Runs one target from its seeds, new inputs going to a scratch folder; a
# fault leaves NAME.failed beside its log.
runTarget() {
    local name="$1" count="$2" seeds="tests/data/fuzz-seeds/$1"
    [[ -d "$seeds" ]] || seeds=tests/data
    local scratch="$folder/ci-corpus/$name" log="$folder/ci-corpus/$name.log" start=$SECONDS
    rm -rf "$scratch" "$folder/ci-corpus/$name.failed" && mkdir -p "$scratch"
    if ! "$folder/fuzz/fuzz_$name" -runs="$count" -timeout="$(timeoutOf "$name")" -rss_limit_mb=4096 \
        -entropic_scale_per_exec_time=1 $(dictOf "$name") -artifact_prefix="$folder/faults/$name-" \
        -print_final_stats=1 "$scratch" "$seeds" >"$log" 2>&1; then
        touch "$folder/ci-corpus/$name.failed"
        echo "fuzz_$name found a fault; its input is in $folder/faults/, its log in $log:"
        tail -n 30 "$log"
        return
    fi
    echo "fuzz_$name: $count runs in $((SECONDS - start)) s, $(grep -o '^INFO: Seed: [0-9]*' "$log")"
}

if $ci; then
    cmake --build "$folder" --target $(printf 'fuzz_%s ' "${ciRuns[@]%%:*}")
    for entry in "${ciRuns[@]}"; do
        (( $(jobs -rp | wc -l) < 2 )) || wait -n || true
        runTarget "${entry%%:*}" "${runs:-${entry##*:}}" &
    done
    wait
    if ls "$folder"/ci-corpus/*.failed >/dev/null 2>&1; then
        exit 1
    fi
    exit 0
fi

cmake --build "$folder" --target "fuzz_$target"
corpus="$folder/corpus/$target"
mkdir -p "$corpus"
if [[ "$target" == GedcomReader || "$target" == Pipeline ]]; then
    find tests/data ../shared/corpus -maxdepth 2 -type f \( -iname '*.ged' -o -path '*reader-faults*' \) \
        -exec cp -n {} "$corpus/" \; 2>/dev/null || true
else
    cp -n "tests/data/fuzz-seeds/$target"/* "$corpus/"
fi
"$folder/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=32768 -timeout="$(timeoutOf "$target")" \
    $(dictOf "$target") -rss_limit_mb=4096 -artifact_prefix="$folder/faults/" -print_final_stats=1 "$corpus"
