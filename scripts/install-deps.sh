#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Nixaro need.
# Only missing packages are installed, so a prepared machine starts at once.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libgl-dev   # Qt 6 Widgets, moc/uic/rcc
  libjpeg-dev                                 # picture decoding
  fonts-liberation                            # Arial metrics for the German captions
  xvfb xauth                                  # screenshots in a real X server
  poppler-utils                               # pdftotext: the printed quote is read back in tests
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
