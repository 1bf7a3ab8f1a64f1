#!/usr/bin/env bash
# Installs what is missing, builds and runs every test twice (plain, and with
# AddressSanitizer + UndefinedBehaviorSanitizer), fuzzes each file reader for a
# minute, and checks the 32-bit Windows DLL's export table against the export list.
# The plain build also cross-builds the DLL (build/win32) and replays every export
# in it under Wine (test survey_replay_wine; skipped only where Wine is absent).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${JOBS:-2}

"$root/scripts/setup.sh"

# ccache, where present, keeps objects across runs and clones: paths relative to the
# checkout, so another clone of the same sources hits the same cache.
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

run_suite() {  # build-dir, extra cmake args...
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest -j"$jobs" --output-on-failure)
}

echo "== plain build"
run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSURVEY_WINE_REPLAY=ON
echo "== sanitizer build"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DSURVEY_SANITIZE=ON -DSURVEY_BUILD_BENCHMARKS=OFF
echo "== fuzzing the file readers (60 s each)"
"$root/scripts/fuzz.sh" 60
echo "== 32-bit Windows DLL (cross-built by the plain build)"
python3 "$root/tools/check_exports.py" dll "$root/build/win32/bin/survey.dll" \
  "$root/build/win32/survey/generated/dll_exports.txt" i686-w64-mingw32-objdump
