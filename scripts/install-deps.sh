#!/usr/bin/env bash
# Installs every Debian package that building and running the program needs; with --tests, also
# what its tests need: GoogleTest, and the servers and tools of the integration tests.
# Runs apt-get update only when something is missing, and needs root (or sudo) only then.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libpulse-dev libqt6svg6 qt6-qpa-plugins libgl-dev
  # look
  fonts-comic-neue fonts-liberation fontconfig
)
if [ "${1:-}" = --tests ]; then
  packages+=(
    libgtest-dev libgmock-dev
    # servers the integration tests start (scripts/services.sh), and what they read back with
    pulseaudio pulseaudio-utils sox
    cups-daemon cups-client poppler-utils
    xvfb imagemagick xdotool x11-utils
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "scripts/install-deps.sh: missing ${missing[*]}: install them as root, or with sudo" >&2
      exit 1
    fi
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
