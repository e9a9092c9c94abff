#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Nixaro need, and the
# German (and French) locales the test suite runs under. Only what is missing is
# installed, so a prepared machine starts at once.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libgl-dev   # Qt 6 Widgets, moc/uic/rcc
  qt6-translations-l10n                       # German texts of Qt's own dialogs
  libjpeg-dev                                 # picture decoding
  libxcb1-dev                                 # one taskbar entry on X11
  fonts-liberation                            # Arial metrics for the German captions
  locales                                     # de_DE.UTF-8 and fr_FR.UTF-8 for the tests
  xvfb xauth                                  # screenshots in a real X server
  openbox                                     # its window manager, for `make bench-x11`
  poppler-utils                               # pdftotext: the printed quote is read back in tests
  desktop-file-utils appstream                # the menu entry and AppStream data are validated
  python3-pil                                 # the picture script and its tests
  at-spi2-core python3-pyatspi dbus           # the screen reader's view of the pages in a test
  debhelper lintian                           # `make package` and its check
)
locales=(de_DE.UTF-8 fr_FR.UTF-8)
# `install-deps.sh fuzz`: also clang with libFuzzer for `make fuzz`.
[ "${1:-}" = fuzz ] && packages+=(clang libclang-rt-14-dev)
# `install-deps.sh screenreader`: Orca and a key sender for `make screenreader`.
[ "${1:-}" = screenreader ] && packages+=(orca xdotool)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# `locale -a` spells UTF-8 as "utf8".
absent=()
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || absent+=("$l")
done
if [ ${#absent[@]} -gt 0 ]; then
  echo "Generating locales: ${absent[*]}"
  for l in "${absent[@]}"; do
    if grep -q "^# *$l UTF-8" /etc/locale.gen; then
      $sudo sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
    elif ! grep -q "^$l UTF-8" /etc/locale.gen; then
      echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    fi
  done
  $sudo locale-gen >/dev/null
fi
