#!/usr/bin/env bash
# Runs each JScript program of hostile/ through `sensor-script run` with the
# default limits (or those in $LIMITS, e.g. LIMITS="--timeout 3 --memory 256")
# and prints what stopped it and how far past its limits it went:
#
#   program  exit  error  past-deadline-s  peak-over-budget-MB  total-s
#
# past-deadline: from the start to the error report on standard error, less
# the time-out (negative: it ended before). peak-over-budget: the process's
# peak resident size less the size of an empty run and the budget (negative:
# it stayed under). total: to the process's end, which includes releasing
# what the script built. Usage: hostile.sh [sensor-script] [program.js...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../../build/app/sensor-script/sensor-script}
shift || true
programs=("$@")
[ ${#programs[@]} -eq 0 ] && programs=("$here"/hostile/*.js)
limits=${LIMITS:---timeout 10 --memory 512}
timeout_ms=$(sed -n 's/.*--timeout \([0-9.]*\).*/\1/p' <<<"$limits" | awk '{ print $1 * 1000 }')
budget_mb=$(sed -n 's/.*--memory \([0-9]*\).*/\1/p' <<<"$limits")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The peak of an empty run, in kB.
printf 'function Main() { return 1; }\n' > "$work/empty.js"
/usr/bin/time -o "$work/time" -f '%M' "$bin" run --language JScript "$work/empty.js" > /dev/null
base_kb=$(tail -1 "$work/time")

printf '%-18s %4s %6s %8s %8s %7s\n' program exit error past-s over-MB total-s
for program in "${programs[@]}"; do
    start=$(date +%s.%N)
    # shellcheck disable=SC2086
    timeout -s KILL 120 /usr/bin/time -o "$work/time" -f '%M' "$bin" run --language JScript $limits "$program" \
        > /dev/null 2> >(while IFS= read -r line; do echo "$(date +%s.%N) $line"; done > "$work/err")
    code=$?
    end=$(date +%s.%N)
    sleep 0.1
    reported=$(head -1 "$work/err" | cut -d' ' -f1)
    number=$(sed -n 's/^[0-9.]* Number: //p' "$work/err" | head -1)
    peak_kb=$(tail -1 "$work/time" 2>/dev/null)
    [[ $peak_kb =~ ^[0-9]+$ ]] || peak_kb=0
    printf '%-18s %4s %6s %8s %8s %7.1f\n' "$(basename "$program" .js)" "$code" "${number:--}" \
        "$([ -n "$reported" ] && echo "$reported - $start - $timeout_ms / 1000" | bc -l | xargs printf '%.1f' || echo -)" \
        "$(( (peak_kb - base_kb) / 1024 - budget_mb ))" "$(echo "$end - $start" | bc -l)"
done
