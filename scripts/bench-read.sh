#!/usr/bin/env bash
# Times the GEDCOM reader on a synthetic file of PERSONS persons (default
# 1,000,000) against reading the same file's lines only, from a clean Release
# build, with its peak memory against the file's size, and with and without a
# progress sink; then on the same persons with a source citation on every
# event; then on a single line of as many generations, names only.
# The files are made in the build folder and removed afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
persons="${1:-1000000}"

folder=build-bench
rm -rf "$folder"
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTEMMARK_TESTS=OFF >/dev/null
cmake --build "$folder" --target bench_WriteGedcom bench_ReadGedcom bench_ReadProgress >/dev/null

file="$folder/synthetic-$persons.ged"
"$folder/bench/bench_WriteGedcom" "$persons" "$file"
"$folder/bench/bench_ReadGedcom" "$file"
"$folder/bench/bench_ReadProgress" "$file"
rm -f "$file"

cited="$folder/cited-$persons.ged"
"$folder/bench/bench_WriteGedcom" --cited "$persons" "$cited"
"$folder/bench/bench_ReadGedcom" "$cited"
rm -f "$cited"

line="$folder/line-$persons.ged"
"$folder/bench/bench_WriteGedcom" --line "$persons" "$line"
"$folder/bench/bench_ReadGedcom" "$line"
rm -f "$line"
