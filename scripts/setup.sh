#!/usr/bin/env bash
# Installs what the build, the tests and the converters need on a Debian machine,
# and any further packages named as arguments. Idempotent: only missing packages
# are installed.
set -euo pipefail

packages=(
  cmake g++ make pkgconf python3 ccache
  libgtest-dev libgmock-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686   # the 32-bit Windows DLL
  libxml2-utils                                # xmllint checks the G-XML documents
  python3-pyshp python3-dbf                    # shapefile and dBASE test fixtures, sample shapefile
  libproj-dev proj-bin                         # PROJ: reference projections and datum shifts (test, benchmark)
  geographiclib-tools libgeographiclib-dev     # GeographicLib: reference geodesy (test)
  python3-sympy python3-mpmath python3-numpy   # exact and high-precision reference tables (test generators)
  python3-scipy python3-ezdxf                  # reference special functions; DXF test drawings
  python3-pyproj python3-pip python3-venv      # Python module: benchmark reference; pip install ./python
  libgsl-dev libgmp-dev liberfa-dev            # reference statistics, exact rationals, sidereal time (test)
  xvfb xauth xdg-user-dirs libxcb1-dev         # window helpers tested on a virtual X display
  clang libclang-rt-14-dev                     # libFuzzer targets of the file readers
  wine wine32:i386                             # runs the 32-bit Windows DLL in the tests
  wine64 qemu-user                             # the same where the kernel runs no 32-bit program:
                                               # QEMU emulates Wine's i386 loader, wineserver runs natively
  qt6-base-dev fonts-ipafont-gothic            # the converter windows; a Japanese font for their texts
  "$@"
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# wine32 is an i386 package: the architecture must be known before the look-up.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine runs the 32-bit Windows DLL through its 32-bit loader. Where the kernel cannot
# execute 32-bit programs (no IA-32 emulation), register qemu's user-mode i386
# emulator for them instead.
if [ -x /usr/lib/wine/wine ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  if ! dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q "install ok installed"; then
    echo "Installing: qemu-user-static (this kernel runs no 32-bit programs)"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null
  fi
  # Registering needs a privileged machine; without it the replay starts Wine's loader
  # through qemu-i386 itself.
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e $binfmt/register ] || $sudo mount -t binfmt_misc binfmt_misc $binfmt 2>/dev/null || true
  if [ -e $binfmt/register ] && [ ! -e $binfmt/qemu-i386 ]; then
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
      $sudo tee $binfmt/register >/dev/null 2>&1 || true
  fi
  /usr/lib/wine/wine --version >/dev/null 2>&1 ||
    echo "note: the kernel still runs no 32-bit program; the Windows replay will start Wine through qemu-i386" >&2
fi
