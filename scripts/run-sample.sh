#!/usr/bin/env bash
# Installs what is missing, builds, and converts the shipped sample SIMA file to G-XML.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${JOBS:-2}" --target gxmlconv survey >/dev/null
mkdir -p build/samples
./build/bin/gxmlconv sima samples/town.sim -o build/samples/town.XML
echo "G-XML written to $(pwd)/build/samples/town.XML"
