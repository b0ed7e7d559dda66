#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the demo need.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

PACKAGES=(
  # toolchain
  build-essential g++ cmake ninja-build ccache pkg-config clang libclang-rt-14-dev clang-format
  # test and benchmark frameworks
  libgtest-dev libgmock-dev libbenchmark-dev
  # libraries the code links
  libcurl4-openssl-dev libssl-dev zlib1g-dev libminizip-dev libstb-dev libpng-dev
  libjpeg62-turbo-dev
  libpixman-1-dev libfreetype-dev libfontconfig-dev libx11-dev libxext-dev libxrandr-dev libxtst-dev libxfixes-dev
  libcpp-httplib-dev
  # fonts (CJK fallback), X server for the x11 tests and the demo, tools
  fonts-wqy-microhei fonts-dejavu-core fontconfig xvfb x11-utils openbox xcompmgr curl python3 python3-pil
  # desktop integration: the URL opener and the desktop entry check
  xdg-utils desktop-file-utils
  # QR codes in the simulator, their decoding in the client-page test, the Debian package
  libqrencode-dev zbar-tools lintian dpkg-dev file
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
