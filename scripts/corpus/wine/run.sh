#!/bin/sh
# Runs Wine's VBScript test scripts (dlls/vbscript/tests/*.vbs of Wine 11.10,
# commit 2cac6ccf33c) on our engine, unchanged: harness.cpp gives them
# stand-ins for the functions and objects of Wine's C test host. Prints per
# file whether it ran to its end and how many assertions passed, failed or
# were skipped (those that test the host, listed in harness.cpp), then the
# total.
#
# usage: run.sh DIR [BUILD_DIR] [-v]
#   DIR holds the five files; the missing ones are downloaded into it when
#   the network allows (or copy them there by hand, see README.md).
#   BUILD_DIR is the CMake build directory (default: build); its vbscript
#   library is built first. -v lists every failing assertion.
# Exits 0 when every file ran to its end without a failing assertion.
set -eu
dir=${1:?usage: run.sh DIR [BUILD_DIR] [-v]}
build=${2:-build}
verbose=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
revision=wine-11.10
tab=$(printf '\t')

mkdir -p "$dir"
names=
while IFS=$tab read -r name sum; do
    file=$dir/$name
    if [ ! -f "$file" ]; then
        for url in "https://gitlab.winehq.org/wine/wine/-/raw/$revision/dlls/vbscript/tests/$name" \
                   "https://raw.githubusercontent.com/wine-mirror/wine/$revision/dlls/vbscript/tests/$name"; do
            curl -fsSL --max-time 60 -o "$file.part" "$url" 2>/dev/null && mv "$file.part" "$file" && break
            rm -f "$file.part"
        done
    fi
    if [ ! -f "$file" ]; then
        echo "missing: $file (could not download it; see README.md)" >&2
        exit 2
    fi
    if [ "$(sha256sum "$file" | cut -d' ' -f1)" != "$sum" ]; then
        echo "warning: $name is not the $revision file the figures were taken with" >&2
    fi
    names="$names $file"
done < "$here/files.tsv"

cmake --build "$build" --target vbscript >/dev/null
harness=$build/wine-harness
# shellcheck disable=SC2046
c++ -std=c++20 -O1 -I"$root/src" "$here/harness.cpp" "$build/src/script/vbscript/libvbscript.a" \
    $(pkg-config --libs libpcre2-16) -pthread -o "$harness"
# shellcheck disable=SC2086
exec "$harness" $verbose $names
