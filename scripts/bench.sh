#!/usr/bin/env bash
# Runs every benchmark that the release build made and prints its figures.
set -euo pipefail
build=${1:-build/release}
shopt -s nullglob
ran=0
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b"
  ran=1
done
[ $ran -eq 1 ] || echo "No benchmarks built yet."
