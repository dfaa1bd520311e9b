#!/usr/bin/env bash
# Checks per second and memory per check of `sensor-script evaluate`, as a
# monitor runs it: many jobs at once, each check a process of its own.
#
#   checks.sh [sensor-script] [CHECKS] [PARALLEL...]
#
# For each PARALLEL (default 1 2 4 8) runs CHECKS checks (default 200) of the
# sample jobs in turn with `xargs -P PARALLEL` and prints the checks per
# second; then the peak resident size of one check of each sample job
# (`/usr/bin/time -v`, "Maximum resident set size").
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../../build/app/sensor-script/sensor-script}
checks=${2:-200}
shift 2 || shift $# || true
parallel=("$@")
[ ${#parallel[@]} -eq 0 ] && parallel=(1 2 4 8)
jobs=("$here"/../../examples/jobs/{database-job,disk-space-jscript,existing-job,log-activity-jscript}.xml)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for ((i = 0; i < checks; ++i)); do echo "${jobs[i % ${#jobs[@]}]}"; done > "$work/list"
printf '%-9s %7s %8s %10s\n' parallel checks seconds checks/s
for p in "${parallel[@]}"; do
    start=$(date +%s.%N)
    # A check's exit code is its state; xargs only has to run them all.
    xargs -P "$p" -n 1 "$bin" evaluate -t 10 < "$work/list" > "$work/out" || true
    end=$(date +%s.%N)
    lines=$(wc -l < "$work/out")
    [ "$lines" -eq "$checks" ] || echo "only $lines of $checks checks answered" >&2
    awk -v p="$p" -v n="$checks" -v s="$start" -v e="$end" \
        'BEGIN { printf "%-9s %7d %8.2f %10.1f\n", p, n, e - s, n / (e - s) }'
done

printf '\n%-26s %10s\n' job peak-RSS-MB
for job in "${jobs[@]}"; do
    /usr/bin/time -v "$bin" evaluate "$job" > /dev/null 2> "$work/time" || true
    kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
    printf '%-26s %10.1f\n' "$(basename "$job")" "$(awk -v k="$kb" 'BEGIN { print k / 1024 }')"
done
