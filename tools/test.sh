#!/usr/bin/env bash
# Sets everything up, builds the game and runs every test: once in a normal build, once
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
jobs="$(nproc)"

started=$SECONDS
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
# A failing test does not stop the sanitizer pass: the script fails at the end instead.
failed=0
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 300 -LE slow | tee build/ctest.log ||
  failed=1
plain=$((SECONDS - started))

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
started=$SECONDS
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBRENNOCK_SANITIZE=ON -DBRENNOCK_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
# Drawn whole-program runs labelled plain-only are the plain pass's; the sanitizer pass keeps
# one whole-program run of the game and the whole matches of the fight tests. The pack's own
# checks (label respack) run Python on the same generated pack: the plain pass has run them.
ctest --test-dir build-sanitize --output-on-failure -j"$jobs" --timeout 600 -LE "slow|plain-only|respack" |
  tee build-sanitize/ctest.log || failed=1
sanitized=$((SECONDS - started))

# The ten slowest tests of a pass (no test may take more than 120 s). The last awk reads all its
# input: a reader that stops early (head) would end the pipeline with SIGPIPE under pipefail.
slowest() {
  echo "slowest tests of the $1 pass:"
  awk '{ name = "";
         for (i = 1; i < NF; i++) if ($i ~ /^#[0-9]+:$/) name = $(i + 1);
         for (i = 2; i <= NF; i++) if (name != "" && $i == "sec") print $(i - 1), name }' "$2" |
    sort -rn | awk 'NR <= 10 { printf "  %8.1f s  %s%s\n", $1, $2, ($1 > 120 ? "  (over 120 s)" : "") }'
}
slowest plain build/ctest.log
slowest sanitizer build-sanitize/ctest.log
minutes() { printf "%d min %02d s" $(($1 / 60)) $(($1 % 60)); }
echo "plain pass (build and tests): $(minutes $plain)"
echo "sanitizer pass (build and tests): $(minutes $sanitized)"
echo "both passes: $(minutes $((plain + sanitized))) (budget 25 min)"
if [ "$failed" -ne 0 ]; then
  echo "some tests failed (see above)"
  exit 1
fi
