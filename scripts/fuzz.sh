#!/usr/bin/env bash
# Builds every libFuzzer target of tests/fuzz (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for a number of executions,
# its corpus seeded from the sample course in content/ and tests/fuzz/corpus.
# Prints the executions of every target and lists the findings.
#
#   scripts/fuzz.sh                 every target, 1 000 000 executions each
#   scripts/fuzz.sh --short         every target, 20 000 executions each
#   scripts/fuzz.sh --runs 200000 --max-time 600 notation_fuzz expr_fuzz
#
# Options:
#   --runs N        executions per target (default 1000000)
#   --short         the same as --runs 20000
#   --max-time S    stop a target after S seconds even below N executions
#   --build DIR     build folder of the fuzz targets (default build-fuzz)
#   --work DIR      corpora and findings (default /tmp/orindo-fuzz)
#   --no-build      run what is built already
#   --jobs N        run each target in libFuzzer's fork mode with N worker
#                   processes at once (default 1: one process); the
#                   executions of all workers count, one corpus is shared
#   --nice N        niceness of the runs (default 10; on a machine busy with
#                   builds at niceness 0 a run at 10 gets next to no time)
#   --table         end with a Markdown table: target, executions, per
#                   second, findings (for tests/fuzz/README.md)
# The runs are niced and use one job each unless told: the machine is shared.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

runs=1000000
max_time=0
build=build-fuzz
work=/tmp/orindo-fuzz
do_build=1
niceness=10
jobs=1
table=0
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --short) runs=20000; shift ;;
    --max-time) max_time=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    --no-build) do_build=0; shift ;;
    --nice) niceness=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    --table) table=1; shift ;;
    -h|--help) sed -n '2,25p' "$0"; exit 0 ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

# The runs start in their findings folder: the build folder as a full path.
case "$build" in /*) ;; *) build=$root/$build ;; esac

# Every target is one orindo_fuzz(...) line of tests/fuzz/CMakeLists.txt.
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(sed -n 's/^orindo_fuzz(\([a-z_]*\).*/\1/p' tests/fuzz/CMakeLists.txt)
fi

if [ "$do_build" = 1 ]; then
  export CCACHE_NOHASHDIR=1 CCACHE_BASEDIR=/work
  [ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DORINDO_FUZZ=ON -DORINDO_BUILD_BENCH=OFF
  nice cmake --build "$build" -j 2 --target "${targets[@]}"
fi

# Files of the sample course that a target reads, as seeds.
seed_globs() {
  case "$1" in
    answers_fuzz|coursecheck_fuzz|coursepages_fuzz|htmlform_fuzz|formula_picture_fuzz) echo "*.HTM *.htm" ;;
    notation_fuzz|editing_fuzz|expr_fuzz) echo "*.ANS" ;;
    labfile_fuzz|planerecords_fuzz|probability_records_fuzz|labrender_fuzz) echo "*.LAB *.lab" ;;
    container_fuzz) echo "*.CNT" ;;
    demoscript_fuzz) echo "*.SCI" ;;
    users_fuzz|resultsexport_fuzz) echo "users.txt *.TXT" ;;
    timeline_fuzz) echo "action.txt" ;;
    programs_fuzz) echo "Programs.txt" ;;
  esac
}

# The longest input a target is given. A target whose one input costs much
# (a picture drawn per formula, a check after every key) gets a bound that
# still holds every file of its kind in the sample course; the rest keep
# libFuzzer's own bound (the largest seed, at least 4096 bytes).
max_len_of() {
  case "$1" in
    formula_picture_fuzz) echo 512 ;;
    editing_fuzz) echo 256 ;;
  esac
}

# A seed larger than this only slows the first round down.
max_seed_bytes=65536
seeds_per_target=200

declare -A executed per_second target_findings
findings=()
# The targets set their own sanitizer options (those that start Qt's GUI turn
# leak checks off: fontconfig keeps caches for the life of the process).
export QT_QPA_PLATFORM=offscreen
# AddressSanitizer's defaults keep 256 MB of freed memory in quarantine and a
# 30-frame stack for every allocation; on these allocation-heavy parsers that
# costs half the time of an input (page faults and stack storage). A 32 MB
# quarantine still catches a use after free of the same input.
# Allocation stacks are walked by frame pointers, which Qt and the C++ library
# do not keep: past the first frames a stack holds stale words, so one input
# run again and again kept storing new stacks (26 KB a run), the store grew to
# hundreds of megabytes and looking stacks up in it took half the time of an
# input. Two frames (the allocator and the return address into the function
# that allocated) are exact and few. A target with leak suppressions keeps 8
# frames: a suppression matches a library anywhere in the stack. Run a
# finding again with ASAN_OPTIONS unset for the full stacks.
asan_options_of() {
  if grep -q "__lsan_default_suppressions" "tests/fuzz/$1.cpp" 2>/dev/null; then
    echo "quarantine_size_mb=32:malloc_context_size=8"
  else
    echo "quarantine_size_mb=32:malloc_context_size=2"
  fi
}
# The targets that write files write them to a memory-backed folder when the
# machine has one.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=${TMPDIR:-/dev/shm}
# Leaks that glibc makes at the start of a thread, not the program's.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/fuzz/thread-start.supp}
# UndefinedBehaviorSanitizer only prints a report and goes on unless told to
# stop: stopped, libFuzzer keeps the input as a crash-* file.
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
for target in "${targets[@]}"; do
  binary="$build/tests/fuzz/$target"
  [ -x "$binary" ] || { echo "$target: not built" >&2; findings+=("$target: not built"); continue; }
  corpus="$work/corpus/$target"
  found="$work/findings/$target"
  mkdir -p "$corpus" "$found"
  for glob in $(seed_globs "$target"); do
    find content -type f -iname "$glob" -size -"${max_seed_bytes}"c | sort | head -n "$seeds_per_target" |
      while read -r file; do cp -n "$file" "$corpus/seed_$(echo "$file" | tr '/\\' '__')"; done
  done
  extra=()
  kept="tests/fuzz/corpus/${target%_fuzz}"
  [ -d "$kept" ] && extra+=("$root/$kept")
  dict=()
  case "$target" in
    notation_fuzz|editing_fuzz|formula_picture_fuzz) dict=(-dict="$root/tests/fuzz/notation.dict") ;;
    expr_fuzz) dict=(-dict="$root/tests/fuzz/expr.dict") ;;
    sheetcells_fuzz) dict=(-dict="$root/tests/fuzz/sheetcells.dict") ;;
  esac
  limits=(-runs="$runs" -timeout=10 -rss_limit_mb=2560 -print_final_stats=1)
  [ "$max_time" != 0 ] && limits+=(-max_total_time="$max_time")
  [ "$jobs" -gt 1 ] && limits+=(-fork="$jobs" -print_funcs=0)
  max_len=$(max_len_of "$target")
  [ -n "$max_len" ] && limits+=(-max_len="$max_len")
  # A target that turns leak checks off (Qt's GUI keeps caches for the life of
  # the process) would still have every input that leaves memory allocated
  # run a second time for a leak check that cannot report anything.
  grep -q "detect_leaks=0" "tests/fuzz/$target.cpp" 2>/dev/null && limits+=(-detect_leaks=0)
  log="$work/$target.log"
  echo "== $target: $runs executions"
  status=0
  (cd "$found" && ASAN_OPTIONS=${ASAN_OPTIONS:-$(asan_options_of "$target")} nice -n "$niceness" "$binary" "${limits[@]}" "${dict[@]}" "$corpus" "${extra[@]}") >"$log" 2>&1 || status=$?
  if [ "$jobs" -gt 1 ]; then
    # The fork-mode parent sums its workers' executions in its own lines
    # ("#N: cov: ... exec/s R ..."); the workers' statistics stay in their logs.
    last=$(grep -a -E '^#[0-9]+: cov:' "$log" | tail -n 1)
    count=$(sed -n 's/^INFO: fuzzed for \([0-9]*\) iterations.*/\1/p' "$log" | tail -n 1)
    [ -n "$count" ] || count=$(echo "$last" | sed -n 's/^#\([0-9]*\):.*/\1/p')
    per_second[$target]=$(echo "$last" | sed -n 's/.* exec\/s \([0-9]*\) .*/\1/p')
  else
    count=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    per_second[$target]=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  fi
  executed[$target]=${count:-0}
  target_findings[$target]=none
  if [ "$status" != 0 ]; then
    findings+=("$target: exit $status, see $log and $found")
    target_findings[$target]=$(grep -m 1 -oE "ERROR: [A-Za-z]+: [a-z-]+|runtime error: .*|deadly signal|timeout" "$log" || echo "exit $status")
    grep -m 3 -E "ERROR|runtime error|SUMMARY" "$log" || true
  fi
  echo "   executions: ${executed[$target]}, ${per_second[$target]:-0} per second"
done

echo
echo "executions per target:"
for target in "${targets[@]}"; do printf '  %-28s %12s\n' "$target" "${executed[$target]:-0}"; done
if [ "$table" = 1 ]; then
  echo
  echo "| target | executions | per second | findings |"
  echo "|---|---:|---:|---|"
  for target in "${targets[@]}"; do
    echo "| \`$target\` | ${executed[$target]:-0} | ${per_second[$target]:-0} | ${target_findings[$target]:-not run} |"
  done
fi
if [ ${#findings[@]} -gt 0 ]; then
  echo "findings:"
  printf '  %s\n' "${findings[@]}"
  exit 1
fi
echo "no findings"
