#!/usr/bin/env bash
# Installs the Debian packages Kopira needs to build, run and test.
# Safe to run again: it only installs what is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev libqt6printsupport6 libgl-dev qt6-translations-l10n qt6-wayland weston
  libicu-dev python3
  fonts-ipafont-mincho fonts-ipafont-gothic fontconfig
  xvfb xdotool xclip x11-utils xauth libxcb1-dev stress-ng strace
  libgtest-dev libgmock-dev libbenchmark-dev
  cups cups-client cups-bsd cups-ipp-utils printer-driver-cups-pdf poppler-utils libcups2-dev
  openbox ibus ibus-mozc dbus-daemon dbus-x11 libglib2.0-bin dconf-gsettings-backend
  dpkg-dev fakeroot file desktop-file-utils appstream lintian locales
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root (or install them with apt-get)." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The Japanese locale the tests start the program in.
if ! locale -a | grep -qx 'ja_JP.utf8'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "The locale ja_JP.UTF-8 is missing: run this script as root." >&2
    exit 1
  fi
  localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8
fi
