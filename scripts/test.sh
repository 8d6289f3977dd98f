#!/usr/bin/env bash
# Fresh machine to green: installs the packages, builds the normal and the sanitizer tree, and runs
# every test in both.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp

status=0
for kind in normal asan; do
  echo "=== build: $kind tree (the programs, the test programs and what the tests run) ==="
  "$top/scripts/build.sh" "$kind"
  dir="$top/build"; [ "$kind" = asan ] && dir="$top/build-asan"
  echo "=== tests: $kind build ==="
  ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" || status=1
done
exit $status
