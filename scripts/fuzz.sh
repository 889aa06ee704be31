#!/usr/bin/env bash
# Fuzzes every reader of outside data (settings, ranking, scene file, dialogue) with libFuzzer.
#   scripts/fuzz.sh short          each target 20 s (CI)
#   scripts/fuzz.sh long [SECONDS] each target SECONDS (default 1800), growing a kept corpus
# Builds the targets with clang in build-fuzz/, installing clang and libFuzzer first when
# missing. Seeds come from fuzz/corpus/<target>/; new inputs the fuzzer finds go to
# build-fuzz/corpus/<target>/ and crashing inputs to build-fuzz/findings/. Prints, per target,
# the inputs run and the verdict; exits non-zero when any target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-short}
case "$mode" in
  short) seconds=${2:-20} ;;
  long) seconds=${2:-1800} ;;
  *)
    echo "usage: $0 short|long [SECONDS]" >&2
    exit 2
    ;;
esac

./build.sh fuzz-deps
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_COMPILER=clang -DVALDRO_FUZZ=ON -DVALDRO_BUILD_TESTS=OFF -DVALDRO_BUILD_ASSETS=OFF \
  >/dev/null
cmake --build build-fuzz --target valdro_fuzzers -j"$jobs"

targets=(fuzz_config fuzz_ranking fuzz_scenes fuzz_dialogue)
mkdir -p build-fuzz/findings build-fuzz/logs
summary=()
failed=0
for target in "${targets[@]}"; do
  seeds=fuzz/corpus/${target#fuzz_}
  work=build-fuzz/corpus/${target#fuzz_}
  log=build-fuzz/logs/$target.log
  # The short run starts from the seeds alone, so CI's figure does not depend on earlier runs.
  if [ "$mode" = short ]; then
    rm -rf "$work"
  fi
  mkdir -p "$work"
  echo "== $target: ${seconds}s"
  set +e
  # close_fd_mask=2 silences the readers' own stderr lines; crash reports still show.
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
    "$work" "$seeds" >"$log" 2>&1
  rc=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  corpus=$(find "$work" -type f | wc -l)
  if [ $rc -eq 0 ]; then
    verdict="no fault"
  else
    verdict="FAULT (exit $rc), see $log and build-fuzz/findings/"
    failed=1
    tail -40 "$log"
  fi
  summary+=("$(printf '%-14s %12s inputs  %6s in corpus  %s' "$target" "${runs:-?}" "$corpus" "$verdict")")
done

echo
echo "fuzz summary ($mode, ${seconds}s per target):"
printf '  %s\n' "${summary[@]}"
exit $failed
