#!/usr/bin/env bash
# Fuzzes every file reader of the game: builds the libFuzzer targets of tests/fuzz with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer (build-fuzz/), seeds each from the generated
# resource pack and from tests/fuzz/corpus/<target>/, runs them side by side for SECONDS
# (default 300) and prints executions and distinct crashes per target.
#   bash tools/fuzz.sh [SECONDS]        FUZZ_JOBS=n runs n targets at a time (default 3),
#                                       FUZZ_TARGETS="xml archive_index" only those targets,
#                                       FUZZ_MALLOC_MB / FUZZ_RSS_MB other limits (1024 / 2048)
# Crashing inputs land in build-fuzz/crashes/<target>/; reduce one and keep it in the corpus
# (named refused-... when the reader must refuse it) once the fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
jobs="${FUZZ_JOBS:-3}"
root="$PWD"
out="$root/build-fuzz"

# clang and the libFuzzer runtime are needed here only, never by the normal build.
need=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  for attempt in $(seq 1 30); do
    if $SUDO apt-get update && $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"; then
      break
    fi
    echo "fuzz: apt-get failed (the package lock may be held); retrying in 20 s"
    sleep 20
    [ "$attempt" -eq 30 ] && { echo "fuzz: cannot install ${need[*]}"; exit 1; }
  done
fi

CC=clang CXX=clang++ cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRENNOCK_FUZZ=ON -DBRENNOCK_TESTS=OFF -DBRENNOCK_BENCH=OFF > /dev/null
targets="${FUZZ_TARGETS:-$(sed -n 's/^fuzz_target(\([a-z0-9_]*\).*/\1/p' tests/fuzz/CMakeLists.txt)}"
cmake --build "$out" -j"$jobs" --target $(for t in $targets; do echo "fuzz_$t"; done)

# Seeds from the generated pack (build/game when the normal build made it).
pack="$root/build/game"
seed_pack() {  # target -> the pack files that feed it
  [ -d "$pack" ] || return 0
  case "$1" in
    x_sprite|x_mesh|x_shadow|x_skin) find "$pack" -name '*.x' | sort | awk 'NR % 40 == 1' ;;
    wid) find "$pack" -name '*.wid' ;;
    xml) find "$pack" -name '*.xml' -size -64k ;;
    body_ply) find "$pack" -name '*.ply' -size -64k ;;
    body_pol) find "$pack" -name '*.pol' ;;
    body_spg) find "$pack" -name '*.spg' ;;
    archive_index) find "$pack" -maxdepth 1 -name '*.qmx' -size -2M ;;
  esac
}

# A request the allocator cannot meet returns null, as the system's malloc does, so the reader's
# own handling of it is what gets tested.
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for t in $targets; do rm -rf "$out/run/$t" "$out/crashes/$t"; done
mkdir -p "$out/run" "$out/crashes"
run_one() {
  local t="$1" work="$out/run/$1"
  mkdir -p "$work/corpus" "$out/crashes/$t"
  cp "$root/tests/fuzz/corpus/$t/"* "$work/corpus/" 2>/dev/null || true
  # A single allocation above 1 GB counts as a fault in every reader alike: none may size a
  # buffer from what a file declares before checking it against what the file can hold.
  local malloc_limit="${FUZZ_MALLOC_MB:-1024}" rss_limit="${FUZZ_RSS_MB:-2048}" asan="$ASAN_OPTIONS"
  local max_len=16384
  [ "$t" = xml ] && max_len=4096  # every key of a document is read twice: keep documents small
  local i=0
  while read -r f; do i=$((i + 1)); cp "$f" "$work/corpus/pack-$i-$(basename "$f" | tr ' ' '_')"; done < <(seed_pack "$t")
  (cd "$work" && ASAN_OPTIONS="$asan" "$out/bin/fuzz_$t" corpus -max_total_time="$seconds" -max_len=$max_len -timeout=10 \
     -rss_limit_mb=$rss_limit -malloc_limit_mb=$malloc_limit -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
     -artifact_prefix="$out/crashes/$t/" -print_final_stats=1 > "$work/log" 2>&1) || true
}

echo "fuzz: $(echo $targets | wc -w) targets, ${seconds} s each, $jobs at a time"
for t in $targets; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
  run_one "$t" &
done
wait

printf '%-10s %12s %8s\n' target executions crashes
status=0
for t in $targets; do
  log="$out/run/$t/log"
  # Fork mode reports running totals as "#<executions>: cov: ..."; the last one is the total.
  execs=$( (grep -oE '^#[0-9]+:' "$log" || true) | tail -1 | tr -d '#:')
  crashes=$(find "$out/crashes/$t" -type f | wc -l)
  printf '%-10s %12s %8s\n' "$t" "${execs:-0}" "$crashes"
  [ "$crashes" -eq 0 ] || status=1
done
exit $status
