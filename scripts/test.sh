#!/bin/sh
# Set-up, build and run every test. Pass --sanitize for the AddressSanitizer +
# UndefinedBehaviorSanitizer build (in build-asan/).
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh

BUILD=build
SAN=OFF
if [ "${1:-}" = "--sanitize" ]; then
    BUILD=build-asan
    SAN=ON
fi

cmake -S . -B "$BUILD" -G Ninja -DPLOTVANE_SANITIZE=$SAN
cmake --build "$BUILD" -j "$(nproc)"
cd "$BUILD"
ctest --output-on-failure -j "$(nproc)"
