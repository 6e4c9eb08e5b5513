#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need; skips what is there.
set -euo pipefail

sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

# The client is a 32-bit program and 32-bit containers host only a 32-bit control: the
# 32-bit build is tested under 32-bit Wine, which needs Debian's i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo_cmd dpkg --add-architecture i386
fi

packages=(
  cmake ninja-build g++ libgtest-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 wine32:i386 libwine-dev
  # Wine's own fonts, which --no-install-recommends leaves out: without them every label is
  # drawn in a wider substitute and no longer fits its control.
  fonts-wine
  xvfb xauth xdotool x11-utils imagemagick locales
  nsis
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine only sees locales that exist on the host; the German interface is tested under de_DE.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  $sudo_cmd localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
