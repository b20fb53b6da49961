#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the bundled default network in a
# fresh working folder (work/): read and optimise, the primal and dual reports, the single
# deletion study and the metabolic map. With a display the workbench opens in that folder.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

work="$PWD/work"
rm -rf "$work"
mkdir -p "$work"
cp data/* "$work"/

if [ -n "${DISPLAY:-}" ] && [ -x build/src/vemo ]; then
  cd "$work" && exec ../build/src/vemo
fi
build/src/vemo-cli -C "$work" read-optimize print-primal print-dual single-deletion draw-map \
  render map.svg
echo "Results are in $work: Primal.out, Dual.out, SingleDeletion.out, map.svg (the view)."
