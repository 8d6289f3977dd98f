#!/usr/bin/env bash
# Configures and builds one build tree: everything, or only the targets named.
# Usage: scripts/build.sh [normal|asan] [target...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-normal}
[ $# -gt 0 ] && shift
jobs=$(nproc)
# ccache, where installed, lets several work trees share one compiler cache. The sloppiness lets it
# cache the test sources too, which are compiled with a precompiled header.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
fi
case "$kind" in
  normal) dir="$top/build"
          cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null ;;
  asan)   dir="$top/build-asan"
          CC=clang CXX=clang++ cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DORVANE_SANITIZE=ON -DORVANE_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null ;;
  *) echo "usage: $0 [normal|asan] [target...]" >&2; exit 2 ;;
esac
cmake --build "$dir" -j "$jobs" ${1:+--target "$@"}
