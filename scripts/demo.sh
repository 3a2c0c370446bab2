#!/usr/bin/env bash
# Runs the furthest thing the build has: the manager on a simulated bus when it
# exists, otherwise the simulator on its own.
set -euo pipefail
build=${1:-build/release}
if [ -x "$build/app/olv8-manager" ]; then
  exec bash scripts/demo-manager.sh "$build"
elif [ -x "$build/sim/olv8-sim" ]; then
  exec bash scripts/demo-sim.sh "$build"
else
  echo "Nothing to run yet: the build holds only the libraries."
fi
