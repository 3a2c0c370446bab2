#!/usr/bin/env bash
# The manager on a simulated bus: a fresh demo home under build/demo (OLV8_HOME)
# with a dozen users and three devices, olv8-sim serving those devices (their
# SD cards holding six weeks of events) and a new, unregistered device at ID 1
# (the device editor's "Wyszukaj urządzenie" finds it) on a pseudo-terminal linked as
# build/demo/ttyOLV8, and the manager started on that home. Closing the manager
# stops the simulator.
#
# Without a display the manager runs on Qt's offscreen platform, saves a
# picture of its main window after start-up to build/demo/main.png and one of
# the device editor to build/demo/devices.png, one of the user editor with a
# user selected to build/demo/users.png, and, with the cards' files in the
# mirror as a synchronisation leaves them, pictures of the statistics window for
# the first user on the daily and on the averages panel, each as the window
# stands at its default size on a 1024 x 768 screen (build/demo/stats-daily.png,
# build/demo/stats-averages.png), and exits.
# With OLV8_PORT set to a serial port (COM3, /dev/ttyUSB0, ...), no simulator
# is started and the devices are registered on that port.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
manager="$build/app/olv8-manager"
sim="$build/sim/olv8-sim"
demo_home="$build/sim/olv8-demo-home"
for program in "$manager" "$demo_home"; do
  if [ ! -x "$program" ]; then
    echo "demo: $program is missing; build first (make demo)" >&2
    exit 1
  fi
done

demo=$(pwd)/build/demo
link=$demo/ttyOLV8
sim_pid=
manager_pid=
stop() {
  if [ -n "$1" ]; then
    kill -TERM "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
  fi
}
cleanup() {
  stop "$manager_pid"
  stop "$sim_pid"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# Runs the manager (behind the command given, if any) in the background so
# that a signal to this script stops it and the simulator at once; returns the
# manager's status.
run_manager() {
  "$@" "$manager" &
  manager_pid=$!
  local status=0
  wait "$manager_pid" || status=$?
  manager_pid=
  return "$status"
}

# A fresh home each time: the events end today.
rm -rf "$demo"
mkdir -p "$demo"

if [ -n "${OLV8_PORT:-}" ]; then
  port=$OLV8_PORT
  "$demo_home" --home "$demo" --port "$port" --no-cards
  case $port in
    /*) export OLV8_EXTRA_PORTS="$port${OLV8_EXTRA_PORTS:+:$OLV8_EXTRA_PORTS}" ;;
  esac
  echo "demo: devices registered on $port"
else
  if [ ! -x "$sim" ]; then
    echo "demo: $sim is missing; build first (make demo)" >&2
    exit 1
  fi
  port=$link
  "$demo_home" --home "$demo" --port "$port" --cards "$demo/cards"
  "$sim" --cards "$demo/cards" --link "$link" --log "$demo/sim.log" \
    >"$demo/sim.out" 2>"$demo/sim.err" &
  sim_pid=$!
  # The simulator prints its port once the link is in place.
  for _ in $(seq 100); do
    if [ -s "$demo/sim.out" ] && [ -L "$link" ]; then break; fi
    if ! kill -0 "$sim_pid" 2>/dev/null; then
      sim_pid=
      echo "demo: olv8-sim stopped:" >&2
      cat "$demo/sim.err" >&2
      exit 1
    fi
    sleep 0.1
  done
  if [ ! -L "$link" ]; then
    echo "demo: olv8-sim did not put up $link" >&2
    exit 1
  fi
  export OLV8_EXTRA_PORTS="$link${OLV8_EXTRA_PORTS:+:$OLV8_EXTRA_PORTS}"
  echo "demo: olv8-sim serves three devices and a new one at ID 1 on $(head -n 1 "$demo/sim.out"), linked as $link"
  echo "demo: the simulator's frames are logged in $demo/sim.log"
fi

export OLV8_HOME=$demo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  picture=$demo/main.png
  devices_picture=$demo/devices.png
  users_picture=$demo/users.png
  echo "demo: no display; pictures of the main window, the editors and the statistics go to $demo"
  # What "Synchronizacja danych" would fetch: every file of each card, in the
  # mirror folder of its device (the manager created the folders at start-up,
  # so make them here first).
  if [ -d "$demo/cards" ]; then
    for card in "$demo"/cards/*/; do
      mirror=$demo/data/extSD/$(basename "$card")
      mkdir -p "$mirror"
      find "$card" -maxdepth 1 -type f -exec cp -p {} "$mirror/" \;
    done
  fi
  status=0
  export QT_QPA_PLATFORM=offscreen OLV8_SCREENSHOT=$picture OLV8_DEVICES_SCREENSHOT=$devices_picture \
    OLV8_SCREENSHOT_USERS=$users_picture OLV8_SCREENSHOT_STATS=$demo
  # A manager that never finishes its start-up must not hold the demo forever.
  run_manager timeout 120 || status=$?
  if [ "$status" -ne 0 ]; then
    echo "demo: the manager ended with status $status" >&2
    exit 1
  fi
  pictures=("$picture" "$devices_picture" "$users_picture")
  [ -d "$demo/cards" ] && pictures+=("$demo/stats-daily.png" "$demo/stats-averages.png")
  for saved in "${pictures[@]}"; do
    if [ ! -s "$saved" ]; then
      echo "demo: the manager saved no picture to $saved" >&2
      exit 1
    fi
    echo "demo: saved $saved"
  done
else
  echo "demo: starting the manager on $demo"
  run_manager
fi
