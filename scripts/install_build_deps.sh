#!/usr/bin/env bash
# install_build_deps.sh: installs the Debian packages the build needs, when they are missing.
# Usage: scripts/install_build_deps.sh [extra-package ...]
set -euo pipefail

wanted=(cmake ninja-build g++ pkg-config libtinyxml-dev libgtest-dev libcli11-dev nlohmann-json3-dev "$@")
# The Python module's: installed when missing, but the rest builds without them.
optional=(pybind11-dev python3-pybind11 python3-dev)

# The packages of the list that are not installed.
missing_of() {
  for package in "$@"; do
    # TinyXML counts as there whenever pkg-config finds it, however it was installed.
    [ "$package" = libtinyxml-dev ] && pkg-config --exists tinyxml 2>/dev/null && continue
    # Debian 12's pkg-config package only pulls in pkgconf, which provides the command.
    [ "$package" = pkg-config ] && command -v pkg-config >/dev/null && continue
    # Installed, whether held at its version or not.
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q ' ok installed$' ||
      echo "$package"
  done
}
mapfile -t missing < <(missing_of "${wanted[@]}")
mapfile -t missing_optional < <(missing_of "${optional[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  sudo=(false)
fi
# No package may stop the build to ask a question. sudo drops this from the environment; giving
# it on sudo's command line needs a policy that lets the user set variables, which a sudo limited
# to apt-get refuses. Under sudo a question may then be asked on a terminal; without one, debconf
# takes the defaults.
export DEBIAN_FRONTEND=noninteractive
# Another apt at work holds its lock for a while: wait for it rather than fail at once.
apt=(apt-get -o DPkg::Lock::Timeout=120)
apt_install() {
  echo "Installing: $*"
  "${sudo[@]}" "${apt[@]}" install -y "$@" ||
    { "${sudo[@]}" "${apt[@]}" update && "${sudo[@]}" "${apt[@]}" install -y "$@"; }
}
if [ ${#missing[@]} -gt 0 ] && ! apt_install "${missing[@]}"; then
  echo "Missing packages (${missing[*]}) that could not be installed (as root or with sudo)." >&2
  exit 1
fi
if [ ${#missing_optional[@]} -gt 0 ] && ! apt_install "${missing_optional[@]}"; then
  echo "Could not install ${missing_optional[*]}: the Python module will not be built." >&2
fi
exit 0
