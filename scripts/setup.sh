#!/usr/bin/env bash
# Installs what building, running and testing the editor need on Debian, skipping what
# is already there. Run as root. Safe to run again.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 xvfb xdotool imagemagick x11-utils
  fonts-noto-cjk fonts-ipafont-gothic fonts-wine locales
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev libstb-dev nlohmann-json3-dev zip git
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The scripts run Wine in the Japanese locale (code page 932, as on a Japanese Windows) once
# it exists; without it they fall back to C.UTF-8.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  if [ -f /etc/locale.gen ] && grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
    sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  fi
  locale-gen
fi
