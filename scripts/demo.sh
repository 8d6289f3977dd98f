#!/usr/bin/env bash
# Installs the packages, builds, and shows what the project has so far.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" normal
echo "Built into $top/build."
