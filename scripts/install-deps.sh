#!/usr/bin/env bash
# Installs the Debian packages Vemo builds, tests and runs with; does nothing when all are there.
set -euo pipefail

packages=(cmake g++ make pkg-config libglpk-dev libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev fonts-liberation2)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
