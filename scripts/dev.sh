#!/usr/bin/env bash
# One entry point for newcomers and CI:
#   scripts/dev.sh run    install what is missing, build, start the program
#   scripts/dev.sh test   install what is missing, check the formatting, build, run every test
#                         headless, then again built with the address and undefined-behaviour
#                         sanitizers
#   scripts/dev.sh bench  build and print the start-up, memory and report timings
#   scripts/dev.sh package  build the release preset and make the Debian package with cpack
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
          libqt6sql6-sqlite fonts-dejavu-core poppler-utils desktop-file-utils appstream xvfb
          x11-utils dpkg-dev file clang-format qt6-multimedia-dev sqlite3 dbus-daemon
          qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev pulseaudio pulseaudio-utils sox)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local preset=$1
    # Configured every time, so a build folder made before a preset changed (TARVO_WERROR,
    # BUILD_TESTING) takes the preset's settings; with nothing changed it rebuilds nothing.
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
}

case "${1:-}" in
    run)
        install_missing
        build default
        exec build/default/src/app/tarvo-yoga
        ;;
    test)
        install_missing
        scripts/check-format.sh
        build default
        ctest --preset default
        build asan
        ctest --preset asan
        ;;
    test-asan)
        install_missing
        build asan
        ctest --preset asan
        ;;
    bench)
        install_missing
        build default
        exec bench/run.sh build/default
        ;;
    package)
        install_missing
        build release
        rm -f build/release/tarvo-yoga_*.deb
        cpack --preset release
        ls "$PWD"/build/release/tarvo-yoga_*.deb
        ;;
    *)
        echo "usage: $0 run | test | test-asan | bench | package" >&2
        exit 2
        ;;
esac
