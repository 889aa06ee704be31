#!/usr/bin/env bash
# Builds Valdro and plays it or tests it, installing any missing Debian package first.
#   ./build.sh play       build and start the game
#   ./build.sh test       build and run the whole test suite
#   ./build.sh test-asan  the same suite built with AddressSanitizer and UBSan
#   ./build.sh soak-asan [FRAMES] [SEED] [DRAW_EVERY]  the random-input soak under AddressSanitizer
#                         and UBSan, drawing one frame in DRAW_EVERY (default every frame)
#   ./build.sh fuzz-deps  install clang and libFuzzer for scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  cmake make g++ pkg-config
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev
  nlohmann-json3-dev libgtest-dev libgmock-dev
  libcairo2-dev libmp3lame-dev fonts-comic-neue
)
# scripts/fuzz.sh builds the fuzz targets with clang's libFuzzer.
FUZZ_PACKAGES=(clang libfuzzer-14-dev)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return
  fi
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

build() {
  local dir=$1
  shift
  # CI sets VALDRO_WERROR=ON so a new warning fails it; a player's build only prints it.
  cmake -S . -B "$dir" "$@" -DVALDRO_WERROR="${VALDRO_WERROR:-OFF}"
  cmake --build "$dir" -j"$jobs"
}

case "${1:-play}" in
  play)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec ./build/run/valdro
    ;;
  test)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build --output-on-failure -j"$jobs"
    ;;
  test-asan)
    install_missing
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DVALDRO_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir build-asan --output-on-failure -j"$jobs"
    ;;
  soak-asan)
    install_missing
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DVALDRO_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ./build-asan/run/valdro_soak --frames "${2:-5000}" --seed "${3:-1}" --draw-every "${4:-1}"
    ;;
  fuzz-deps)
    PACKAGES=("${PACKAGES[@]}" "${FUZZ_PACKAGES[@]}")
    install_missing
    ;;
  *)
    echo "usage: $0 [play|test|test-asan|soak-asan [FRAMES] [SEED] [DRAW_EVERY]|fuzz-deps]" >&2
    exit 2
    ;;
esac
