#!/bin/sh
# Times each program in programs/ inside the script (VBScript by Timer, the
# JavaScript twins by Date.now, stopped before printing) in paired rounds:
# the engine, node --jitless and node one after the other, ROUNDS times, so
# a change in the machine's load falls on all three alike. Prints the best
# and the median of each, the ratios of the medians, and the load average.
# usage: compare-node.sh [--cpu] [RUNNER [ROUNDS]]
#   RUNNER: build/bench/vbscript/vbsrun (default) or a sensor-script binary.
#   --cpu: processor time instead of the scripts' clocks (vbsrun --cpu and
#   cpu-node.js), which a loaded machine disturbs far less.
cpu=
if [ "${1:-}" = --cpu ]; then cpu=1; shift; fi
tool=${1:-build/bench/vbscript/vbsrun}
rounds=${2:-9}
here=$(dirname "$0")
dir=$here/programs
case $(basename "$tool") in
    sensor-script) run() { "$tool" run --timeout 120000 "$1"; } ;;
    *) if [ -n "$cpu" ]; then run() { "$tool" --cpu "$1"; }; else run() { "$tool" "$1"; }; fi ;;
esac
if [ -n "$cpu" ]; then
    js() { node "$@" "$here/cpu-node.js" "$js_file"; }
else
    js() { node "$@" "$js_file"; }
fi
# best and median of the numbers on stdin
stats() { sort -n | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%g %g", v[1], m }'; }
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-9s %13s %15s %13s %12s %9s\n' program 'vbs best/med' 'jitless b/med' 'node b/med' 'vbs/jitless' 'vbs/node'
for vbs in "$dir"/*.vbs; do
    name=$(basename "$vbs" .vbs)
    : > /tmp/cn.$$.v; : > /tmp/cn.$$.j; : > /tmp/cn.$$.n
    i=0
    while [ $i -lt "$rounds" ]; do
        run "$vbs" >> /tmp/cn.$$.v || exit 1
        js_file=$dir/$name.js
        js --jitless 2>/dev/null >> /tmp/cn.$$.j
        js >> /tmp/cn.$$.n
        i=$((i + 1))
    done
    set -- $(stats < /tmp/cn.$$.v) $(stats < /tmp/cn.$$.j) $(stats < /tmp/cn.$$.n)
    printf '%-9s %13s %15s %13s %12s %9s\n' "$name" "$1/$2" "$3/$4" "$5/$6" \
        "$(awk -v a="$2" -v b="$4" 'BEGIN { printf "%.2f", a / (b < 1 ? 1 : b) }')" \
        "$(awk -v a="$2" -v b="$6" 'BEGIN { printf "%.2f", a / (b < 1 ? 1 : b) }')"
done
rm -f /tmp/cn.$$.v /tmp/cn.$$.j /tmp/cn.$$.n
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
