#!/usr/bin/env bash
# Usage: smoke.sh VELMORA. Runs it on a virtual display with the accessibility bus, driven by
# smoke.py; each job has a process group of its own (-m), all stopped on any way out.
set -euo pipefail -m
work=$(mktemp -d)
groups=()
trap 'for pid in "${groups[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
  wait || true; rm -rf "$work"' EXIT  # Xvfb removes its lock and socket as it goes
trap 'exit 1' INT TERM HUP

# A portable copy keeps its folder list beside it.
mkdir -p "$work/app" "$work/Photos/2009" "$work/home" && mkdir -m 700 "$work/run"
cp "$1" "$work/app/velmora"
touch "$work/Photos/"{"Beach Trip.jpg",beach-party.JPG,notes.txt,2009/"Family Beach Walk.jpg"}
printf '%s\r\nfamily,\r\n' "$work/Photos" > "$work/app/folders.txt"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 & groups+=($!)
# Until the server answers, not only until it names its display.
answers() { [[ -s $work/display ]] && DISPLAY=":$(<"$work/display")" xdotool getdisplaygeometry >/dev/null 2>&1; }
for _ in $(seq 100); do answers && break; sleep 0.1; done
answers || { echo "smoke: the virtual display did not start"; cat "$work/xvfb.log"; exit 1; }

# A runtime folder of its own, so that a Velmora already running elsewhere is not asked.
export DISPLAY=":$(<"$work/display")" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- bash -c '/usr/libexec/at-spi-bus-launcher --launch-immediately &
  "$0/app/velmora" & /usr/bin/python3 "$1" Photos beach \
  "$0/Photos/"{"Beach Trip.jpg",beach-party.JPG,"2009/Family Beach Walk.jpg"}
  ' "$work" "$(dirname "$0")/smoke.py" & groups+=($!)
wait "$!"  # in the background, so that a signal is handled at once
