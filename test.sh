#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole suite headless: the
# tests, then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# the fuzzers (FUZZ_SECONDS each, 30 by default) and clang-tidy.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

section() { printf '\n== %s\n' "$*"; }

section "Sanitizers (build-asan/)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs" >/dev/null
mkdir -p -m 0700 build-asan/runtime
(
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers.supp:print_suppressions=0
  cd build-asan
  # Leak checking on our own code; LeakSanitizer's tracer is not reliable in
  # Qt's processes (it crashes on their threads at exit), so those run without
  # it, and with a small quarantine so that their memory checks still mean
  # something.
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 ctest -j"$jobs" -LE qt --output-on-failure | tail -n 6
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:quarantine_size_mb=1 \
    ctest -j"$jobs" -L qt -E '^packaging$' --output-on-failure | tail -n 6
)

section "Fuzzers (build-fuzz/, ${FUZZ_SECONDS:-30} s each)"
CC=clang CXX=clang++ cmake -S tests/fuzz -B build-fuzz >/dev/null
cmake --build build-fuzz -j"$jobs" >/dev/null
for corpus in tests/fuzz/corpus/*/; do
  target=$(basename "$corpus")
  found=build-fuzz/found/$target
  rm -rf "$found" && mkdir -p "$found" build-fuzz/artifacts
  # New inputs go to a scratch folder: the committed corpus stays small.
  if ! build-fuzz/fuzz_"$target" -max_total_time="${FUZZ_SECONDS:-30}" -max_len=4096 \
       -artifact_prefix=build-fuzz/artifacts/"$target"- "$found" "$corpus" \
       >build-fuzz/"$target".log 2>&1; then
    tail -n 40 build-fuzz/"$target".log
    echo "fuzz_$target a trouvé une faute" >&2
    exit 1
  fi
  echo "fuzz_$target: $(grep -oE 'Done [0-9]+ runs' build-fuzz/"$target".log)"
done

section "clang-tidy"
sources=$(git ls-files 'platform/*.cpp' 'measure/*.cpp' 'acquisition/*.cpp' 'window/*.cpp' 2>/dev/null ||
          ls platform/*.cpp measure/*.cpp acquisition/*.cpp window/*.cpp)
run-clang-tidy -quiet -p build -j "$jobs" $sources >build/clang-tidy.log 2>&1 ||
  { grep -E 'warning|error' build/clang-tidy.log | head -n 40; echo "clang-tidy a des remarques" >&2; exit 1; }
echo "clang-tidy: aucune remarque"

section "Tests (build/)"
mkdir -p -m 0700 build/runtime
cd build
ctest --output-on-failure -j"$jobs"
