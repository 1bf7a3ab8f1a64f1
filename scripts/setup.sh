#!/usr/bin/env bash
# Installs what the build, the tests and the converters need on a Debian machine,
# and any further packages named as arguments. Idempotent: only missing packages
# are installed.
set -euo pipefail

packages=(
  cmake g++ make pkgconf python3
  libgtest-dev libgmock-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686   # the 32-bit Windows DLL
  libxml2-utils                                # xmllint checks the G-XML documents
  python3-pyshp python3-dbf                    # shapefile and dBASE test fixtures, sample shapefile
  libproj-dev                                  # PROJ: reference transverse Mercator (test, benchmark)
  qt6-base-dev fonts-ipafont-gothic            # the converter windows; a Japanese font for their texts
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
