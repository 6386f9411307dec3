#!/usr/bin/env bash
# Installs what is missing, builds the deliverables and says where they are.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
echo "VexoUdf: $(pwd)/build/udf/VexoUdf.so"
