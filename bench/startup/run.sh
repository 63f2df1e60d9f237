#!/usr/bin/env bash
# Start-up time of the staged Dailora: from process start until its password window exists, on
# a virtual X display, with an empty diary and with a diary of ROWS entries (default 1,000,000).
#   bench/startup/run.sh [RUNS]    (environment: ROWS, BUILD=build folder, default build-bench)
# Builds the Release program folder and bench_store (which generates the large diary) first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-5}
rows=${ROWS:-1000000}
build=${BUILD:-$root/build-bench}
title="密码输入窗口"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDAILORA_BUILD_BENCH=ON \
    -DDAILORA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target stage bench_store bench_creation >/dev/null

work=${WORK:-$build/startup-bench}
mkdir -p "$work"
rm -rf "$work/empty"
cp -r "$build/app" "$work/empty"
if [ ! -f "$work/large/daily.DB" ]; then
    rm -rf "$work/large"
    cp -r "$build/app" "$work/large"
fi
cp -f "$build/app/Dailora" "$work/large/Dailora"
"$build/bench/bench_store" --rows="$rows" --dir="$work/large" --screen >/dev/null

# Xvfb picks a free display itself and tells its number.
Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
display=:$(head -n1 "$work/display")

# Milliseconds from start until the password window is mapped.
measure() {
    local folder=$1 start now pid
    start=$(date +%s%N)
    DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime "$folder/Dailora" >"$work/last.log" 2>&1 &
    pid=$!
    until DISPLAY=$display xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then echo "Dailora ended before its password window" >&2; return 1; fi
        sleep 0.002
    done
    now=$(date +%s%N)
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    echo $(( (now - start) / 1000000 ))
}

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
measure "$work/empty" >/dev/null # warm the caches
for case in empty large; do
    times=()
    for _ in $(seq "$runs"); do times+=("$(measure "$work/$case")"); done
    printf '%-6s runs: %s  median %s ms\n' "$case" "${times[*]}" "$(printf '%s\n' "${times[@]}" | median)"
done
