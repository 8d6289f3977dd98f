#!/usr/bin/env bash
# Configures and builds one build tree, or only the targets named. Usage:
#   scripts/build.sh [normal|asan] [TARGET...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-normal}
shift || true
targets=()
for target in "$@"; do targets+=(--target "$target"); done
jobs=$(nproc)
# ccache, where installed, lets several work trees share one compiler cache.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
case "$kind" in
  normal) dir="$top/build"
          cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null ;;
  asan)   dir="$top/build-asan"
          CC=clang CXX=clang++ cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DORVANE_SANITIZE=ON -DORVANE_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null ;;
  *) echo "usage: $0 [normal|asan] [TARGET...]" >&2; exit 2 ;;
esac
cmake --build "$dir" -j "$jobs" "${targets[@]}"
