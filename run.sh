#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"
exec build/varnel "$@"
