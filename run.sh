#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts the converter.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
qvx_install_missing "${QVX_BUILD_PACKAGES[@]}" "${QVX_RUN_PACKAGES[@]}"

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQVX_BUILD_TESTS=OFF
cmake --build build/release
exec build/release/bin/quorvinxvid "$@"
