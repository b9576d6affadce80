#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and run.sh need; only
# what is missing, with sudo when not root.
set -euo pipefail
packages=(cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev
  libbenchmark-dev g++-mingw-w64-x86-64-posix wine64 xvfb xauth x11-utils xdotool
  imagemagick fonts-noto-cjk zip python3 python3-icalendar locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# Japanese users run with code page 932; Wine takes it from a ja_JP locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  $sudo sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
