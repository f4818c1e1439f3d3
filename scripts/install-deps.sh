#!/bin/sh
# Installs the Debian packages that building, testing and running need, and only those that are
# missing, so that running it again does nothing. Needs root (or sudo) when something is missing.
set -eu

packages="
  cmake make g++ pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev libxcb1-dev fonts-ipafont-gothic fonts-noto-cjk
  xvfb xdotool xclip imagemagick
  clang-14 libclang-rt-14-dev llvm
  time
"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
