#!/usr/bin/env bash
# Installs what is missing (as root), builds the program and its tests, and
# runs the tests. Settings, all environment variables: BUILD (build folder,
# default build), BUILD_TYPE (default RelWithDebInfo), WERROR (OFF),
# SANITIZE (OFF).
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh

ensure_packages "${TEST_PACKAGES[@]}"
configure
cmake --build "$BUILD"
cd "$BUILD"
ctest --output-on-failure -j4
