#!/usr/bin/env bash
# Times each store operation beside the same statements, as the store ran them, through the
# sqlite3 shell on the same files, and prints both with their ratio.
# usage: compare.sh BENCH_STORE DATA_DIR [ROWS]
set -euo pipefail
bench=$(realpath "$1")
dir=$(realpath -m "$2")
rows=${3:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bench" --rows="$rows" --dir="$dir" --print-sql="$work/sql" >/dev/null
echo "ATTACH '$dir/daily.DB' AS daily_file; ATTACH '$dir/FoundDaily.DB' AS FoundDaily_file;" >"$work/attach.sql"

# Median of five runs of a script, in nanoseconds.
median_ns() {
    local start end
    for _ in 1 2 3 4 5; do
        start=$(date +%s%N)
        sqlite3 :memory: <"$1" >/dev/null
        end=$(date +%s%N)
        echo $((end - start))
    done | sort -n | sed -n 3p
}

declare -A repeat=([open_full_list]=50 [date_range_search]=20 [content_search]=5 [add_entry]=200)
declare -A shell_ms
base=$(median_ns "$work/attach.sql")
for op in "${!repeat[@]}"; do
    cp "$work/attach.sql" "$work/$op.run.sql"
    for ((i = 0; i < repeat[$op]; ++i)); do cat "$work/sql/$op.sql" >>"$work/$op.run.sql"; done
    ns=$(median_ns "$work/$op.run.sql")
    shell_ms[$op]=$(awk -v t="$ns" -v b="$base" -v r="${repeat[$op]}" 'BEGIN { printf "%.3f", (t - b) / r / 1e6 }')
    sqlite3 "$dir/daily.DB" "DELETE FROM daily WHERE Num > $rows"
done

printf '%-20s %12s %12s %8s\n' operation "store ms" "sqlite3 ms" ratio
"$bench" --rows="$rows" --dir="$dir" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null |
    while IFS=, read -r name _ real _; do
        op=${name//\"/}
        [[ $op == */real_time_median ]] || continue
        op=${op%/real_time_median}
        [[ -n ${shell_ms[$op]:-} ]] || continue
        awk -v op="$op" -v ours="$real" -v raw="${shell_ms[$op]}" \
            'BEGIN { printf "%-20s %12.3f %12.3f %8.2f\n", op, ours, raw, ours / raw }'
    done
