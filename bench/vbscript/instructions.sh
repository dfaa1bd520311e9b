#!/bin/sh
# Counts instructions (valgrind callgrind) of whole vbsrun runs of the
# programs in programs/, less a run of an empty Main, which the load of the
# machine does not change; for fib also per script call (Fib(27) makes
# 635,621 calls).
# usage: instructions.sh [VBSRUN [PROGRAM...]]
#   VBSRUN: build/bench/vbscript/vbsrun (default). PROGRAM: fib arith ...
set -eu
tool=${1:-build/bench/vbscript/vbsrun}
[ $# -gt 0 ] && shift
here=$(dirname "$0")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
count() {
    valgrind --tool=callgrind --callgrind-out-file="$tmp/out" "$tool" "$1" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
printf 'Function Main()\n  Main = 0\nEnd Function\n' > "$tmp/empty.vbs"
empty=$(count "$tmp/empty.vbs")
echo "empty Main: $empty"
for name in ${*:-fib arith strbuild chars}; do
    total=$(count "$here/programs/$name.vbs")
    net=$((total - empty))
    if [ "$name" = fib ]; then
        echo "$name: $total ($net net, $(awk -v n="$net" 'BEGIN { printf "%.1f", n / 635621 }') per call)"
    else
        echo "$name: $total ($net net)"
    fi
done
