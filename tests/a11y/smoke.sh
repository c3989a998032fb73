#!/usr/bin/env bash
# Starts the real program on a virtual display with the accessibility bus, and drives it
# with smoke.py. Usage: smoke.sh PATH_TO_VELMORA
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# A portable copy keeps its folder list beside it.
mkdir -p "$work/app" "$work/Photos/2009" "$work/home"
cp "$1" "$work/app/velmora"
touch "$work/Photos/Beach Trip.jpg" "$work/Photos/beach-party.JPG" "$work/Photos/notes.txt" \
      "$work/Photos/2009/Family Beach Walk.jpg"
printf '%s\r\nfamily,\r\n' "$work/Photos" > "$work/app/folders.txt"

display=$((100 + RANDOM % 800))
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.1; done

export DISPLAY=":$display" HOME="$work/home" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  "$0/app/velmora" &
  /usr/bin/python3 "$1/smoke.py" Photos beach \
    "$0/Photos/Beach Trip.jpg" "$0/Photos/beach-party.JPG" "$0/Photos/2009/Family Beach Walk.jpg"
  status=$?
  kill $(jobs -p) 2>/dev/null
  exit $status' "$work" "$here"
