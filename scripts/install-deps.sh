#!/usr/bin/env bash
# Installs the Debian packages the configurator needs to build, test, package and run: dpkg-dev
# and file let `make package` work out the package's dependencies; Qt's translations, the desktop
# file and AppStream validators are there for the tests.
# Only missing packages are installed; the package lists are refreshed only then. Packages named
# as arguments are installed instead of these (`make bench` names xvfb, the display the start-up
# is measured on; scripts/install-fuzz-deps.sh names the fuzzing compiler).
set -euo pipefail

packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-qpa-plugins qt6-serialport-dev
  libpugixml-dev libcurl4-openssl-dev libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format iputils-ping socat
  dpkg-dev file
  qt6-translations-l10n desktop-file-utils appstream
  libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  run=()
elif command -v sudo >/dev/null 2>&1; then
  run=(sudo)
else
  echo "Missing packages (${missing[*]}); run this script as root or install sudo." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -q
"${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
