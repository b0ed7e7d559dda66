#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each one in turn for N seconds.
#   bash scripts/fuzz.sh [seconds] [target ...]
# Targets are the names below (default: all). Each run starts from the seeds
# in fuzz/corpus/<name>/ (copied into build-fuzz/run-<name>/, which keeps
# what it finds) and the dictionary fuzz/<name>.dict when there is one; its
# output goes to build-fuzz/<name>.log. The exit code is non-zero when any
# run found a crash, a leak, a sanitizer report, a time-out or ran out of
# memory. The per-input time-out is generous: a budget-sized image takes about
# a second under the sanitizers, several on a busy machine.
set -uo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
SECONDS_PER_TARGET="${1:-600}"
shift || true
TARGETS=("$@")
if [ ${#TARGETS[@]} -eq 0 ]; then
  TARGETS=(markup image descriptor line_answer manifest codepage)
fi

CC=clang CXX=clang++ cmake -S "$ROOT/fuzz" -B "$ROOT/build-fuzz" -G Ninja >/dev/null || exit 1
nice -n 19 cmake --build "$ROOT/build-fuzz" -j1 || exit 1

failed=0
for name in "${TARGETS[@]}"; do
  binary="$ROOT/build-fuzz/fuzz_$name"
  run="$ROOT/build-fuzz/run-$name"
  mkdir -p "$run"
  cp -n "$ROOT/fuzz/corpus/$name"/* "$run/" 2>/dev/null || true
  dict=()
  if [ -f "$ROOT/fuzz/$name.dict" ]; then dict=("-dict=$ROOT/fuzz/$name.dict"); fi
  echo "fuzz_$name: ${SECONDS_PER_TARGET}s"
  (cd "$ROOT/build-fuzz" && nice -n 19 "$binary" -max_total_time="$SECONDS_PER_TARGET" \
      -rss_limit_mb=2048 -timeout=60 -print_final_stats=1 "${dict[@]}" "$run" \
      >"$ROOT/build-fuzz/$name.log" 2>&1)
  code=$?
  grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb)" \
    "$ROOT/build-fuzz/$name.log" | tr '\n' ' '
  echo
  if [ $code -ne 0 ]; then
    echo "fuzz_$name: exit $code, see build-fuzz/$name.log"
    failed=1
  fi
done
exit $failed
