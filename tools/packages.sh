# shellcheck shell=bash
# Sourced by run.sh and test.sh: the Debian packages each needs, and the step
# that makes sure they are installed before anything is built.

RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core qt6-wayland)
# shellcheck disable=SC2034 # used by test.sh
TEST_PACKAGES=("${RUN_PACKAGES[@]}" xvfb xdotool xclip openbox x11-utils weston)

# Usage: ensure_packages PACKAGE...
# A package counts only when dpkg says it is installed: one removed but not
# purged still has a status entry, and "dpkg -s" succeeds for it.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${db:Status-Status}\n' "$package" 2>/dev/null | grep -qx installed; then
      missing+=("$package")
    fi
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing the missing packages: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  else
    # su, not sudo: every Debian system has it, even where sudo is absent.
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root with:" >&2
    echo "  su -c 'apt-get update && apt-get install -y ${missing[*]}'" >&2
    exit 1
  fi
}

# Configures the build folder from the same settings for both scripts.
configure() {
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" -DVX_WERROR="$WERROR" -DVX_SANITIZE="$SANITIZE"
}

BUILD=${BUILD:-build}
BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}
WERROR=${WERROR:-OFF}
SANITIZE=${SANITIZE:-OFF}
