#!/usr/bin/env bash
# Installs what is missing, builds all three presets and runs every test:
# native (pure code under ASan and UBSan), win64 (everything Windows-side under wine64 in
# Xvfb) and win32 (the product; its binaries are checked, its programs cannot run here).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
for preset in native win64 win32; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done
status=0
for preset in native win64 win32; do
  ctest --preset "$preset" || status=1
done
exit $status
