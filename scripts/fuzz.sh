#!/usr/bin/env bash
# Fuzzes every target for the given seconds, starting from its checked-in corpus. New inputs
# that reach new code go to <build>/fuzz-corpus/<target>; an input that crashes is saved into
# fuzz/corpus/<target>/ so that the replay in `make test` fails on it until it is fixed.
# Usage: fuzz.sh <build-folder> <seconds-per-target>
set -uo pipefail

build=${1:?build folder}
seconds=${2:?seconds per target}
root=$(cd "$(dirname "$0")/.." && pwd)
failed=()
for program in "$build"/bin/fuzz_*; do
  name=${program##*/fuzz_}
  seeds=$root/fuzz/corpus/$name
  work=$build/fuzz-corpus/$name
  mkdir -p "$work"
  echo "== $name: $seconds s"
  if ! "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$seeds/" "$work" "$seeds"; then
    failed+=("$name")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: crashes in ${failed[*]}; the inputs are in fuzz/corpus/<target>/crash-*" >&2
  exit 1
fi
echo "fuzz: no crash"
