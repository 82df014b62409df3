#!/usr/bin/env bash
# Builds Velmora on a Debian 12 machine, installing what is missing first.
#   ./velmora.sh start [ARGS...]   build and start the program
#   ./velmora.sh test              build and run every test
#   ./velmora.sh bench             build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          libpng-dev zlib1g-dev fonts-dejavu-core xvfb xauth xdotool qt6-svg-dev poppler-utils)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
    cmake --build build -j"$(nproc)"
}

case "${1:-}" in
start)
    shift
    install_missing
    build
    if [ -x build/velmora ]; then
        exec build/velmora "$@"
    else
        exec build/velmora-cli info "home/DWGS/Sample House.BMS"
    fi
    ;;
test)
    install_missing
    build
    cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j"$(nproc)"
    ;;
bench)
    install_missing
    build
    exec build/bench/velmora_bench "${@:2}"
    ;;
*)
    echo "usage: $0 start|test|bench" >&2
    exit 2
    ;;
esac
