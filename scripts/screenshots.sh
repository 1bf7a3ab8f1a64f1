#!/usr/bin/env bash
# Starts each converter window (bentrim, parlow, quorvel) on a virtual X server and
# saves a picture of it, so that anyone can look at the three windows without a
# desktop: build/screenshots/{bentrim,parlow,quorvel}.png. Not part of the tests.
#
#   scripts/screenshots.sh            (BUILD_DIR=... to use another build folder)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${BUILD_DIR:-$root/build}
out=$build/screenshots

# Only this script needs an X server and a screen grabber.
./scripts/setup.sh xvfb x11-utils imagemagick

cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target survey bentrim parlow quorvel >/dev/null
mkdir -p "$out"

# The windows open in their current folder: a copy of the samples, so the lists
# show files and nothing is written into samples/.
work=$(mktemp -d)
cp -r samples "$work/samples"

display=""
for n in $(seq 91 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

declare -A caption=([bentrim]="Tavra SIMA=>G-XML" [parlow]="Tavra Kestrin=>XML" [quorvel]="Tavra SHAPE=>G-XML")
for program in bentrim parlow quorvel; do
  (cd "$work/samples" && exec env DISPLAY="$display" QT_QPA_PLATFORM=xcb "$build/bin/$program") >/dev/null 2>&1 &
  pid=$!
  id=""
  for _ in $(seq 100); do
    id=$(xwininfo -display "$display" -name "${caption[$program]}" 2>/dev/null | awk '/Window id:/ {print $4}') || true
    [ -n "$id" ] && break
    sleep 0.1
  done
  if [ -z "$id" ]; then
    echo "$program: its window did not appear" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
  fi
  sleep 1  # let it paint
  import -display "$display" -window "$id" "$out/$program.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$out/$program.png"
done
