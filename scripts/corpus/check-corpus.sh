#!/bin/sh
# Compiles every script of manifest.tsv with "sensor-script check" and prints
# the pass count. The files themselves are not in the repository: DIR holds
# them as DIR/<owner>/<name>/<path> (see README.md for how to get them).
#
# usage: check-corpus.sh DIR [SENSOR_SCRIPT]
#   SENSOR_SCRIPT defaults to build/app/sensor-script/sensor-script.
# Prints each failing file with the first line of its error; exits 1 when a
# file is missing or fails, except those listed in known-invalid.txt.
set -u
dir=${1:?usage: check-corpus.sh DIR [SENSOR_SCRIPT]}
tool=${2:-build/app/sensor-script/sensor-script}
here=$(dirname "$0")
manifest=$here/manifest.tsv
known=$here/known-invalid.txt
total=0 passed=0 missing=0 expected=0 unexpected=0
tab=$(printf '\t')
while IFS=$tab read -r repo path commit; do
    total=$((total + 1))
    file=$dir/$repo/$path
    if [ ! -f "$file" ]; then
        missing=$((missing + 1))
        echo "missing: $repo $path"
        continue
    fi
    if out=$("$tool" check "$file" 2>&1); then
        passed=$((passed + 1))
    elif grep -qxF "$repo	$path" "$known" 2>/dev/null; then
        expected=$((expected + 1))
    else
        unexpected=$((unexpected + 1))
        echo "FAIL: $repo $path: $(echo "$out" | tr '\n' ' ' | cut -c1-200)"
    fi
done < "$manifest"
echo "corpus: $passed of $total compile; $expected known invalid, $unexpected failing, $missing missing"
[ "$unexpected" -eq 0 ] && [ "$missing" -eq 0 ]
