#!/usr/bin/env bash
# Installs what is missing (as root), builds the program alone, and starts it.
# Settings, all environment variables: BUILD (build folder, default build),
# BUILD_TYPE (default RelWithDebInfo), WERROR (OFF), SANITIZE (OFF).
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh

ensure_packages "${RUN_PACKAGES[@]}"
configure
cmake --build "$BUILD" --target vexorin
exec "$BUILD/Vexorin/bin/vexorin"
