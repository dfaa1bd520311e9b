#!/bin/sh
# Times each program in programs/ inside the script (VBScript by Timer, the
# JavaScript twin by Date.now) and prints the VBScript/node ratio.
# usage: compare-node.sh [path/to/sensor-script]   (node must be on PATH)
tool=${1:-build/app/sensor-script/sensor-script}
dir=$(dirname "$0")/programs
printf '%-10s %8s %8s %7s\n' program vbs_ms node_ms ratio
for vbs in "$dir"/*.vbs; do
    name=$(basename "$vbs" .vbs)
    v=$("$tool" run --timeout 120000 "$vbs")
    n=$(node "$dir/$name.js")
    ratio=$(awk -v a="$v" -v b="$n" 'BEGIN { if (b < 1) b = 1; printf "%.1f", a / b }')
    printf '%-10s %8s %8s %7s\n' "$name" "$v" "$n" "$ratio"
done
