#!/usr/bin/env bash
# mutation-sample.sh [--build DIR] [--only ID[,ID...]] [--out FILE] [--check]
#                    [--no-baseline]
#
# Plants the faults listed in scripts/mutants.tsv one at a time and checks
# that the tests catch them: a fixed sample for comparing two versions of the
# test suite (the shorter suite should kill what the longer one killed).
#
# scripts/mutants.tsv holds one mutant a line, five tab-separated fields:
#   id      area-NN; the area (the id without "-NN") groups the summary
#   file    the source file, from the repository root
#   tests   comma-separated test binaries that should catch the fault
#   find    text of one line (or a piece of one) that occurs exactly once
#   replace what it becomes; the mutated file must still compile
# Lines starting with "#" and blank lines are skipped.
#
# For each mutant the script
#   1. refuses to go on when the file has uncommitted changes;
#   2. writes the mutated text (a backup keeps the original bytes);
#   3. builds the listed test targets (cmake --build DIR --target ... -j2,
#      quietly); a failed build is "build-error", not a kill;
#   4. runs each listed binary (found under DIR/tests, else under DIR) with
#      QT_QPA_PLATFORM=offscreen, --gtest_brief=1 --gtest_fail_fast when the
#      binary knows them, and a time-out of 600 s; the first binary that fails
#      or times out (a hang is caught too) makes the mutant "killed", none
#      makes it "survived";
#   5. puts the original bytes back, also on Ctrl+C, a signal or an error.
# At the end the targets built are rebuilt once from the original sources,
# so the build directory matches the tree again. DIR/mutation-logs/ keeps
# what the failing binary printed (ID.test.log: which test caught the fault)
# and the output of a failed build (ID.build.log).
#
# Before the first mutant the listed binaries run once on the original
# sources (the baseline): a binary that fails there would "kill" every
# mutant, so the run stops instead. --no-baseline skips that run.
#
# Output: "id<TAB>area<TAB>result<TAB>binary" per mutant in FILE (default
# DIR/mutation-sample.tsv) and on the terminal with the seconds it took, then
#   mutation-sample: K of N killed (S survived, B build errors)
# and the same per area. --check only verifies the list (file present, find
# text exactly once, fields well formed), prints the count per area and exits
# 1 on a stale line; it builds nothing. DIR and FILE are taken from the
# repository root.
#
# The tests see one throwaway PostgreSQL server for the whole run, started
# with scripts/with-postgres.sh (unless VELTRANO_PG_CONNECTION is set), so the
# database tests run rather than skip; without a server they skip, as in a
# plain test run.
#
# Time: one mutant costs a rebuild of what depends on its file plus a run
# of its binaries: 10 to 30 s for a source file, about a minute for a header
# that many files include (measured with -j2 on a busy 2-core machine); the
# baseline adds two or three minutes, so the whole list takes about half an
# hour. It is not part of CI. If the script is killed
# hard (SIGKILL), the mutated file stays: `git diff` shows it and
# `git checkout -- FILE` puts it back; the next run refuses to start until then.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
list=scripts/mutants.tsv

build=build
only=""
out=""
check=0
baseline=1
usage() {
  sed -n '2,3p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 64
}
while [ $# -gt 0 ]; do
  case $1 in
    --build) [ $# -ge 2 ] || usage; build=$2; shift 2 ;;
    --only) [ $# -ge 2 ] || usage; only=$2; shift 2 ;;
    --out) [ $# -ge 2 ] || usage; out=$2; shift 2 ;;
    --check) check=1; shift ;;
    --no-baseline) baseline=0; shift ;;
    -h|--help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) echo "mutation-sample: unknown argument '$1'" >&2; usage ;;
  esac
done
out=${out:-$build/mutation-sample.tsv}

# The list's reader and the exact-text replacement. Modes:
#   check LIST             report stale lines and the count per area
#   select LIST ONLY       "id<TAB>area<TAB>file<TAB>tests" per chosen mutant
#   apply LIST ID          write mutant ID into its file
helper=$(cat <<'PY'
import collections, os, re, sys

def entries(path):
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            yield number, line, line.split("\t")

def area(mutant_id):
    return re.sub(r"-[0-9]+$", "", mutant_id)

def occurrences(path, find):
    with open(path, "rb") as f:
        return f.read().count(find.encode("utf-8"))

def problems(fields):
    if len(fields) != 5:
        return ["%d fields, not 5" % len(fields)]
    mutant_id, path, tests, find, replace = fields
    found = []
    if not re.fullmatch(r"[a-z]+-[0-9]+", mutant_id):
        found.append("id '%s' is not area-NN" % mutant_id)
    if not all(re.fullmatch(r"[a-z_]+_tests", t) for t in tests.split(",")):
        found.append("tests '%s' are not test binaries" % tests)
    if path.startswith(("tests/", "data/")):
        found.append("%s is test code or data" % path)
    if not find or find == replace:
        found.append("find is empty or equals replace")
    if not os.path.isfile(path):
        found.append("%s does not exist" % path)
    elif find:
        n = occurrences(path, find)
        if n != 1:
            found.append("find occurs %d times in %s" % (n, path))
    return found

mode, path = sys.argv[1], sys.argv[2]
if mode == "check":
    stale, seen, per_area = 0, set(), collections.Counter()
    for number, line, fields in entries(path):
        found = problems(fields)
        if fields[0] in seen:
            found.append("id %s repeats" % fields[0])
        seen.add(fields[0])
        per_area[area(fields[0])] += 1
        for problem in found:
            print("%s:%d: %s: %s" % (path, number, fields[0], problem))
        stale += bool(found)
    for name, count in per_area.items():
        print("  %-10s %3d" % (name, count))
    print("mutation-sample: %d mutants, %d stale" % (sum(per_area.values()), stale))
    sys.exit(1 if stale else 0)
if mode == "select":
    wanted = [w for w in sys.argv[3].split(",") if w]
    rows = {fields[0]: fields for _, _, fields in entries(path)}
    missing = [w for w in wanted if w not in rows]
    if missing:
        sys.exit("mutation-sample: no mutant %s in %s" % (", ".join(missing), path))
    for mutant_id, fields in rows.items():
        if wanted and mutant_id not in wanted:
            continue
        found = problems(fields)
        if found:
            sys.exit("mutation-sample: %s is stale: %s" % (mutant_id, "; ".join(found)))
        print("\t".join([mutant_id, area(mutant_id), fields[1], fields[2]]))
    sys.exit(0)
if mode == "apply":
    fields = next(f for _, _, f in entries(path) if f[0] == sys.argv[3])
    _, target, _, find, replace = fields
    with open(target, "rb") as f:
        data = f.read()
    if data.count(find.encode("utf-8")) != 1:
        sys.exit("mutation-sample: the find text of %s is not once in %s" % (fields[0], target))
    with open(target, "wb") as f:
        f.write(data.replace(find.encode("utf-8"), replace.encode("utf-8"), 1))
    sys.exit(0)
sys.exit("unknown mode " + mode)
PY
)

if [ "$check" = 1 ]; then
  exec python3 -c "$helper" check "$list"
fi

[ -f "$build/CMakeCache.txt" ] || { echo "mutation-sample: $build is not a configured build directory" >&2; exit 2; }
build=$(cd "$build" && pwd)
selection=$(python3 -c "$helper" select "$list" "$only")
[ -n "$selection" ] || { echo "mutation-sample: no mutants selected" >&2; exit 2; }

files=$(cut -f3 <<<"$selection" | sort -u)
# shellcheck disable=SC2086
if [ -n "$(git status --porcelain -- $files)" ]; then
  echo "mutation-sample: uncommitted changes in the files to mutate; commit or restore them first:" >&2
  # shellcheck disable=SC2086
  git status --short -- $files >&2
  exit 2
fi

logs=$build/mutation-logs
mkdir -p "$logs"
buildlog=$logs/build.log
all_targets=$(cut -f4 <<<"$selection" | tr ',' '\n' | sort -u | tr '\n' ' ')

# The terminal's error output, for a signal that comes while a command's
# output goes to a log.
exec 9>&2

# The mutant in place: its file and the backup of the original bytes.
mutated=""
backup=$(mktemp "${TMPDIR:-/tmp}/mutation-sample.XXXXXX")
child=""
restore() {
  if [ -n "$mutated" ]; then
    cp "$backup" "$mutated"
    mutated=""
  fi
}
# The server: with-postgres.sh runs a command that hands its VELTRANO_PG_*
# settings over in a file and then waits while this script runs; a TERM
# ends it and the server at once.
postgres=""
start_postgres() {
  [ -z "${VELTRANO_PG_CONNECTION:-}" ] && [ -x scripts/with-postgres.sh ] || return 0
  local settings=$backup.pg
  # shellcheck disable=SC2016
  scripts/with-postgres.sh bash -c 'env | grep "^VELTRANO_PG_" >"$1.part"; mv "$1.part" "$1"
    while kill -0 "$2" 2>/dev/null; do sleep 2; done' _ "$settings" $$ 2>"$logs/postgres.log" </dev/null &
  postgres=$!
  local tries=0
  while [ ! -f "$settings" ] && kill -0 "$postgres" 2>/dev/null && [ $tries -lt 600 ]; do
    sleep 0.2
    tries=$((tries + 1))
  done
  if [ -s "$settings" ]; then
    while IFS= read -r setting; do export "${setting?}"; done <"$settings"
  else
    echo "mutation-sample: no PostgreSQL server (see $logs/postgres.log); its tests skip" >&2
  fi
  rm -f "$settings"
}
stop_postgres() {
  if [ -n "$postgres" ]; then
    kill -TERM "$postgres" 2>/dev/null || true
    wait "$postgres" 2>/dev/null || true
    postgres=""
  fi
}
cleanup() {
  restore
  stop_postgres
  rm -f "$backup"
}
on_signal() {
  if [ -n "$child" ]; then
    kill -TERM "$child" 2>/dev/null || true
    wait "$child" 2>/dev/null || true
  fi
  cleanup
  echo "mutation-sample: stopped; the sources are restored" >&9
  exit "$1"
}
trap cleanup EXIT
trap 'on_signal 130' INT
trap 'on_signal 143' TERM
trap 'on_signal 129' HUP

# Runs a command in the background under `timeout` (its own process group,
# which a signal to it ends whole) and waits, so that a signal reaches the
# traps at once. Returns the command's status; 124 is a time-out.
run_timed() {
  local seconds=$1
  shift
  timeout --kill-after=20 "$seconds" "$@" &
  child=$!
  local status=0
  wait "$child" || status=$?
  child=""
  return "$status"
}

build_targets() {
  # shellcheck disable=SC2086
  run_timed 7200 cmake --build "$build" --target $1 -j2 >"$buildlog" 2>&1
}

binary_of() {
  local found
  found=$(find "$build/tests" -type f -name "$1" -perm -u+x 2>/dev/null | head -n 1)
  [ -n "$found" ] || found=$(find "$build" -type f -name "$1" -perm -u+x -not -path '*/CMakeFiles/*' 2>/dev/null | head -n 1)
  printf '%s' "$found"
}

# The gtest options a binary knows, cached in gtest_flags (set in this
# shell, never in a subshell, so that the cache and `child` stay visible).
# --help does not list every option (1.12 omits --gtest_fail_fast), and an
# unknown --gtest_ option shows the help instead of the list: so each is
# tried with --gtest_list_tests.
declare -A gtest_flags
load_flags() {
  if [ -z "${gtest_flags[$1]+set}" ]; then
    local flag listed
    gtest_flags[$1]=""
    for flag in --gtest_brief=1 --gtest_fail_fast; do
      listed=$(QT_QPA_PLATFORM=offscreen timeout 60 "$1" "$flag" --gtest_list_tests 2>&1 </dev/null || true)
      if ! grep -q -- 'gtest_list_tests' <<<"$listed"; then gtest_flags[$1]+=" $flag"; fi
    done
  fi
}

# Runs the binaries of a comma-separated list in order and sets `failing` to
# the first that fails ("NAME" or "NAME (time-out)"), empty when all pass;
# the failing binary's output goes to LOG. Status 2 when a binary is missing.
run_tests() {
  local name bin status log=$2
  failing=""
  for name in ${1//,/ }; do
    bin=$(binary_of "$name")
    if [ -z "$bin" ]; then
      failing="$name (missing)"
      return 2
    fi
    load_flags "$bin"
    status=0
    # shellcheck disable=SC2086
    # In the binary's folder, as CTest runs it.
    QT_QPA_PLATFORM=offscreen run_timed 600 env -C "$(dirname "$bin")" "$bin" ${gtest_flags[$bin]} \
      >"$log" 2>&1 </dev/null || status=$?
    if [ "$status" = 124 ] || [ "$status" = 137 ]; then
      failing="$name (time-out)"
      return 0
    elif [ "$status" != 0 ]; then
      failing=$name
      return 0
    fi
  done
  rm -f "$log"
}

start_postgres

if [ "$baseline" = 1 ]; then
  echo "mutation-sample: baseline: building and running $all_targets on the original sources"
  if ! build_targets "$all_targets"; then
    echo "mutation-sample: the original sources do not build (see $buildlog)" >&2
    exit 1
  fi
  run_tests "${all_targets// /,}" "$logs/baseline.test.log" || true
  if [ -n "$failing" ]; then
    echo "mutation-sample: $failing fails on the original sources (see $logs/baseline.test.log); fix it or pass --no-baseline" >&2
    exit 1
  fi
fi

mkdir -p "$(dirname "$out")"
: >"$out"
built=""
while IFS=$'\t' read -r -u 3 id area file tests; do
  started=$(date +%s)
  if [ -n "$(git status --porcelain -- "$file")" ]; then
    echo "mutation-sample: $file has uncommitted changes; stopping before $id" >&2
    exit 2
  fi
  rm -f "$logs/$id".*.log
  cp "$file" "$backup"
  mutated=$file
  python3 -c "$helper" apply "$list" "$id"
  targets=${tests//,/ }
  built="$built $targets"
  binary="-"
  failing=""
  if ! build_targets "$targets"; then
    result=build-error
    cp "$buildlog" "$logs/$id.build.log"
  else
    status=0
    run_tests "$tests" "$logs/$id.test.log" || status=$?
    if [ "$status" = 2 ]; then
      result=build-error
      binary=${failing%% *}
    elif [ -n "$failing" ]; then
      result=killed
      binary=${failing%% *}
    else
      result=survived
    fi
  fi
  restore
  printf '%s\t%s\t%s\t%s\n' "$id" "$area" "$result" "$binary" >>"$out"
  printf '%-11s %-8s %-11s %-28s %4ss\n' "$id" "$area" "$result" "${failing:--}" "$(($(date +%s) - started))"
done 3<<<"$selection"

# The build directory back in step with the original sources.
targets=$(tr ' ' '\n' <<<"$built" | sed '/^$/d' | sort -u | tr '\n' ' ')
echo "mutation-sample: rebuilding $targets from the original sources"
build_targets "$targets" || echo "mutation-sample: the rebuild failed (see $buildlog)" >&2

awk -F'\t' '
  { n++; total[$2]++; count[$3]++; by[$2, $3]++; if (!($2 in seen)) { seen[$2] = 1; order[++areas] = $2 } }
  END {
    printf "mutation-sample: %d of %d killed (%d survived, %d build errors)\n",
           count["killed"], n, count["survived"], count["build-error"]
    for (i = 1; i <= areas; i++) {
      a = order[i]
      printf "  %-10s %d of %d killed (%d survived, %d build errors)\n",
             a, by[a, "killed"], total[a], by[a, "survived"], by[a, "build-error"]
    }
  }' "$out"
