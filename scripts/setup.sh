#!/usr/bin/env bash
# Installs the build and test dependencies on Debian 12 (run as root). Does nothing when all are present.
set -euo pipefail
packages=(g++ ccache cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
          libmimalloc-dev mariadb-server mariadb-client libmariadb-dev jq qt6-base-dev xvfb xauth
          fonts-dejavu-extra)  # condensed faces: the dialogs' captions fit as designed
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
