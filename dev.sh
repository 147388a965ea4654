#!/usr/bin/env bash
# Quillmoor's two commands on a Debian 12 machine (as root, or a user with sudo):
#   ./dev.sh play   install what is missing, build, start the game
#   ./dev.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-mixer-dev libpng-dev zlib1g-dev libogg-dev libvorbis-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick sox x11-utils python3
)

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# build DIR [cmake options...]
build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

case "${1:-}" in
  play)
    install_missing_packages
    build build
    exec build/quillmoor
    ;;
  test)
    install_missing_packages
    build build
    ctest --test-dir build --output-on-failure
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
