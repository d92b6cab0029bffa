#!/usr/bin/env bash
# Compares what two builds of stemmark-cli show of the same files, byte for
# byte: the list (plain, and with dates, ages and other options), the
# patriarchs, the comparison with an address book, and the page, family and
# both trees of each person (every person of a file of up to 300 persons, an
# even spread of 300 in a larger one), as text and as JSON, in two languages.
#
#   scripts/compare-builds.sh OLD-CLI NEW-CLI [FILE...]
#
# Without files it takes every .ged under tests/data, ../shared/corpus and
# resources/sample. Exit status 0 when every output matches. With
# COMPARE_KEEP=FOLDER the outputs are kept there (old/ and new/), to study
# the differences.
set -euo pipefail
cd "$(dirname "$0")/.."

[[ $# -ge 2 ]] || { echo "usage: $0 OLD-CLI NEW-CLI [FILE...]" >&2; exit 2; }
old=$(realpath "$1") new=$(realpath "$2")
shift 2
files=("$@")
if [[ ${#files[@]} -eq 0 ]]; then
    mapfile -t files < <(find tests/data ../shared/corpus resources/sample -iname '*.ged' 2>/dev/null | sort)
fi
book=tests/data/cli-book.vcf
if [[ -n ${COMPARE_KEEP:-} ]]; then
    work=$COMPARE_KEEP
    rm -rf "$work" && mkdir -p "$work"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi

# Every call of one build on one file; its outputs, stderr and exit status
# each go to a file of their own in the folder given.
run_all() {
    local cli=$1 file=$2 out=$3 n=0
    mkdir -p "$out"
    call() {
        local name=$1
        shift
        local status=0
        "$cli" "$file" "$@" >"$out/$name.out" 2>"$out/$name.err" </dev/null || status=$?
        echo "$status" >"$out/$name.status"
    }
    local -a common=(--today 2026-12-06)
    for fmt in text json; do
        local -a json=()
        [[ $fmt == json ]] && json=(--json)
        call "list-$fmt" list "${common[@]}" "${json[@]}"
        call "list-dates-$fmt" list "${common[@]}" "${json[@]}" --lang Ru --date-format 1 \
            --set PutBirthDate=1 --set PutDeathDate=1 --set PutAge=1 --set AsInNameTag=0 \
            --set 1Name1=1 --set ShowMidNam=1 --set InclNick=1
        call "list-dates-en-$fmt" list "${common[@]}" "${json[@]}" --lang En \
            --set PutBirthDate=1 --set PutDeathDate=1 --set PutAge=1 --set YearOnly=1
        call "search-$fmt" list "${common[@]}" "${json[@]}" --born-from 1700 --born-to 1900
        call "patriarchs-$fmt" patriarchs "${common[@]}" "${json[@]}" --depth 3
        call "compare-$fmt" compare "$book" "${common[@]}" "${json[@]}"
    done
    n=$("$cli" "$file" stats 2>/dev/null | sed -n 's/^persons: //p' || true)
    n=${n:-0}
    local step=$(( n > 300 ? n / 300 : 1 ))
    for (( i = 0; i < n; i += step )); do
        for lang in En Fr; do
            call "person-$i-$lang" person "$i" --lang "$lang" "${common[@]}"
            call "family-$i-$lang" family "$i" --lang "$lang" "${common[@]}"
        done
        call "person-$i-json" person "$i" --json "${common[@]}"
        call "family-$i-json" family "$i" --json "${common[@]}"
        call "anc-$i" tree "$i" --ancestors --depth 6 "${common[@]}"
        call "desc-$i-json" tree "$i" --descendants --depth 6 --json "${common[@]}"
    done
}

different=0
for file in "${files[@]}"; do
    name=$(basename "$file")
    run_all "$old" "$file" "$work/old/$name"
    run_all "$new" "$file" "$work/new/$name"
    count=$(find "$work/old/$name" -name '*.out' | wc -l)
    if diff -rq "$work/old/$name" "$work/new/$name" >"$work/diff" 2>&1; then
        echo "same     $file ($count calls)"
    else
        echo "DIFFERS  $file: $(wc -l <"$work/diff") outputs"
        head -n 5 "$work/diff"
        different=1
    fi
done
exit $different
