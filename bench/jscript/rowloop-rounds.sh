#!/usr/bin/env bash
# Runs the four BM_RowLoop rows of bridge_bench ROUNDS times, one process per
# row (a true peak each) and the four one after the other in every round, so
# that a change of load on the shared machine falls on both languages. Prints
# per row the processor milliseconds of each round, sorted, then the median
# and the peak resident growth (MB) of the median round.
#   bench/jscript/rowloop-rounds.sh [build/bench/jscript/bridge_bench] [ROUNDS]
set -euo pipefail
bench=${1:-build/bench/jscript/bridge_bench}
rounds=${2:-7}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for _ in $(seq "$rounds"); do
  for row in 0/25000 1/25000 0/100000 1/100000; do
    "$bench" --benchmark_filter="RowLoop/$row/" 2>/dev/null | awk -v row="$row" '/RowLoop/ {
      for (i = 1; i <= NF; i++) if ($i ~ /^peak_MB=/) peak = substr($i, 9)
      print row, $4, peak }' >> "$out"
  done
done
for row in 0/25000 1/25000 0/100000 1/100000; do
  awk -v row="$row" '$1 == row { print $2, $3 }' "$out" | sort -n | awk -v row="$row" -v n="$rounds" '
    { ms[NR] = $1; mb[NR] = $2 }
    END { line = row " (" (row ~ /^0/ ? "VBScript" : "JScript") "):"
          for (i = 1; i <= NR; i++) line = line " " ms[i]
          m = int((NR + 1) / 2); print line "  median " ms[m] " ms, peak " mb[m] " MB" }'
done
