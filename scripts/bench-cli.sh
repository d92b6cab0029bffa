#!/usr/bin/env bash
# Times `stemmark-cli FILE list --last smith` on a synthetic file of PERSONS
# persons (default 1,000,000) against the reading of the file alone, from a
# Release build. The whole run should take at most a second more than the
# reading. The file is made in the build folder and removed afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
persons="${1:-1000000}"

folder=build-bench
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTEMMARK_TESTS=OFF >/dev/null
cmake --build "$folder" --target bench_WriteGedcom stemmark-cli >/dev/null

file="$folder/synthetic-$persons.ged"
"$folder/bench/bench_WriteGedcom" "$persons" "$file"
trap 'rm -f "$file"; rm -rf "$config"' EXIT
# The default options, whatever the user has stored.
config=$(mktemp -d)
export XDG_CONFIG_HOME="$config"
cli="$folder/src/gui/stemmark-cli"

reading=$("$cli" "$file" stats | sed -n 's/^seconds: //p')
start=$(date +%s.%N)
found=$("$cli" "$file" list --last smith | wc -l)
end=$(date +%s.%N)
awk -v reading="$reading" -v start="$start" -v end="$end" -v found="$((found - 1))" 'BEGIN {
    whole = end - start
    printf "reading: %.2f s\nlist --last smith: %.2f s (%d found), %.2f s beyond the reading\n",
           reading, whole, found, whole - reading
}'
