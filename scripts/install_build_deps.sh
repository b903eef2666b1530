#!/usr/bin/env bash
# install_build_deps.sh: installs the Debian packages the build needs, when they are missing.
# Usage: scripts/install_build_deps.sh [extra-package ...]
set -euo pipefail

wanted=(cmake ninja-build g++ pkg-config libtinyxml-dev libgtest-dev libcli11-dev nlohmann-json3-dev "$@")
missing=()
for package in "${wanted[@]}"; do
  # TinyXML counts as there whenever pkg-config finds it, however it was installed.
  [ "$package" = libtinyxml-dev ] && pkg-config --exists tinyxml 2>/dev/null && continue
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Missing packages (${missing[*]}) and neither root nor sudo to install them." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get install -y "${missing[@]}" ||
  { "${sudo[@]}" apt-get update && "${sudo[@]}" apt-get install -y "${missing[@]}"; }
