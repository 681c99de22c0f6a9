#!/usr/bin/env bash
# Runs a Qt test program on a real X display with no window manager, as a station's virtual
# display is: a private Xvfb of 1024 by 768 started here and stopped after. Exits 77 (skipped)
# where Xvfb is not installed.
set -u
if ! command -v Xvfb >/dev/null; then
  echo "Xvfb is not installed: skipped"
  exit 77
fi
# Xvfb picks a free display itself and tells its number: two test runs at once (other build
# folders on this machine) never meet on one display.
number="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -f "$number"' EXIT
display=""
for _ in $(seq 100); do
  display="$(tr -dc 0-9 <"$number")"
  [ -n "$display" ] && [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.05
done
if [ -z "$display" ] || [ ! -e "/tmp/.X11-unix/X$display" ]; then
  echo "Xvfb did not start here: skipped"
  exit 77
fi
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
