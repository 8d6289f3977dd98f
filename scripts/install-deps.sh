#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with. Idempotent, non-interactive.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-l10n-tools qt6-tools-dev-tools qt6-translations-l10n qt6-svg-dev
  libcups2-dev cups-daemon cups-client
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libpugixml-dev zlib1g-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth imagemagick xdotool fonts-wqy-microhei fonts-tlwg-loma
  dpkg-dev lintian desktop-file-utils appstream librsvg2-bin man-db file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
