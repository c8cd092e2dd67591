#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
qvx_install_missing "${QVX_BUILD_PACKAGES[@]}" "${QVX_RUN_PACKAGES[@]}" "${QVX_TEST_PACKAGES[@]}"

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVX_SANITIZE=ON -DQVX_BUILD_TESTS=ON
cmake --build build/test
cd build/test
ctest --output-on-failure --no-tests=error -j "$(nproc)" "$@"
