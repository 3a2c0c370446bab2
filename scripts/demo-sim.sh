#!/usr/bin/env bash
# The simulator on its own: a bus of three OLV devices on a pseudo-terminal is
# searched and one device is asked for its file list, with the simulator's
# frame log on standard error.
set -euo pipefail
build=${1:-build/release}
sim="$build/sim/olv8-sim"
cards=$(mktemp -d /tmp/olv8-demo-cards-XXXXXX)
cleanup() {
  if [ -n "${sim_pid:-}" ]; then kill -TERM "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$cards"
}
trap cleanup EXIT

coproc SIM { exec "$sim" --devices 3 --cards "$cards" --verbose; }
sim_pid=$SIM_PID
read -r port <&"${SIM[0]}"
echo "Simulated bus of three devices on $port (cards in $cards)"

ask() {
  local title=$1 frame=$2 wait=$3
  echo
  echo "== $title"
  exec 3<>"$port"
  printf "$frame" >&3
  timeout "$wait" cat <&3 | od -A d -t x1z -v || true
  exec 3>&-
}

scan='\xff\xa3\x5c\x19\xe7\x42\x8d\x0b\x76\xf1\x2e\x94\x6c\x3b\xa8\xd5\xff'
activate3='\xff\xa3\x5c\x19\xe7\x42\x8d\x0b\x76\xf1\x2e\x94\x6c\x3b\xa8\xd5\x03'
file_list='\xff427051\x00\x05\x0d'
ask "Scan: every device answers within 500 ms" "$scan" 0.6
ask "Activate device 3 and ask for its file list" "$activate3$file_list" 0.3
