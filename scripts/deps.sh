#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Vorlane 98 need, when any
# of them is missing. Works as root or through sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libjpeg-dev
  libhunspell-dev
  hunspell-en-us hunspell-en-gb hunspell-es hunspell-it hunspell-fr hunspell-de-de
  hunspell-nl hunspell-sv
  libmythes-dev mythes-en-us mythes-en-au
  fonts-liberation
  poppler-utils
  libwmf-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
