#!/usr/bin/env bash
# Builds the fuzz targets of the converters' readers with clang (libFuzzer with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for a bounded time,
# one after another:
#
#   scripts/fuzz.sh [SECONDS-PER-TARGET] [TARGET...]     (60 s; sima kestrin shape dbf)
#
# Starting inputs: the kept corpus fuzz/corpus/TARGET/ and the seeds that
# fuzz/make_seeds.py writes from the samples and the test fixtures. What a run learns
# stays in build-fuzz/corpus/TARGET/; a finding is saved as
# build-fuzz/findings/TARGET/crash-* (or leak-, timeout-, oom-) and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(sima kestrin shape dbf)
jobs=${JOBS:-2}

if ! command -v clang++ >/dev/null; then
  echo "clang++ not found: fuzzing skipped (scripts/setup.sh installs clang)"
  exit 0
fi

# The fuzzing programs load the library built by the usual compiler (plain build).
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" -j"$jobs" --target survey >/dev/null
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSURVEY_SANITIZE=ON -DSURVEY_FUZZ=ON -DSURVEY_BUILD_TESTS=OFF -DSURVEY_BUILD_BENCHMARKS=OFF \
  -DSURVEY_FUZZ_LIBRARY="$root/build/lib/libsurvey.so" >/dev/null
cmake --build "$root/build-fuzz" -j"$jobs" --target "${targets[@]/#/fuzz_}" >/dev/null

out=$root/build-fuzz
rm -rf "$out/seeds"
python3 "$root/fuzz/make_seeds.py" "$out/seeds"
# A small quarantine lets freed blocks be reused: far fewer page faults per run.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=8:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
status=0
for t in "${targets[@]}"; do
  mkdir -p "$out/corpus/$t" "$out/findings/$t"
  echo "== fuzz_$t for $seconds s"
  if ! "$out/bin/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$out/findings/$t/" "$out/corpus/$t" "$root/fuzz/corpus/$t" "$out/seeds/$t" \
      >"$out/fuzz_$t.log" 2>&1; then
    echo "fuzz_$t found a fault: $(ls "$out/findings/$t")"
    tail -40 "$out/fuzz_$t.log"
    status=1
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^#[0-9]+ +DONE' "$out/fuzz_$t.log" || true
done
exit $status
