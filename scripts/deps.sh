#!/bin/sh
# Installs what building and running Tessaro needs on Debian 12 (as root, or with sudo).
set -e
PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-serialport-dev qt6-l10n-tools qt6-tools-dev libgl-dev fonts-liberation2 clang-14 libclang-rt-14-dev xvfb xauth x11-utils zsh qt6-translations-l10n"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
