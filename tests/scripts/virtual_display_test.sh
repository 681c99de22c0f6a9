#!/usr/bin/env bash
# The virtual display of scripts/run: a VNC client without the password is refused, the password
# is the owner's only, and when the program ends no display or VNC server of its own remains.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
for tool in Xvfb x11vnc xauth mcookie python3; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
export PELKPOS_ROOT="$root"
# A port of its own, so that a station running here is not disturbed.
export PELKPOS_VNC_PORT=$((20000 + RANDOM % 20000))

# The program stands in as a command that checks the server and then ends, as Exit ends it.
out="$("$repo/scripts/virtual-display" python3 "$here/vnc_check.py" "$PELKPOS_VNC_PORT")"
echo "$out"
grep -q "refused without the password" <<<"$out"
grep -q "VNC password is in $root/station/vnc-password" <<<"$out"
display="$(sed -n 's/.*virtual display :\([0-9]*\).*/\1/p' <<<"$out" | head -1)"
[ -n "$display" ]

[ "$(stat -c %a "$root/station/vnc-password")" = 600 ]
[ "$(stat -c %a "$root/station")" = 700 ]
if pgrep -f "Xvfb :$display " >/dev/null || pgrep -f "x11vnc -display :$display " >/dev/null; then
  echo "a display or VNC server of :$display is still running"; exit 1
fi
[ ! -e "/tmp/.X11-unix/X$display" ]

# The password made on first use is kept: a second run uses the same one.
first="$(cat "$root/station/vnc-password")"
"$repo/scripts/virtual-display" true >/dev/null
[ "$(cat "$root/station/vnc-password")" = "$first" ]

# The port asked for is taken (here by a listener of this test): the next free one is served,
# and the address printed is where this run's VNC server answers.
python3 -c '
import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(); time.sleep(60)' "$PELKPOS_VNC_PORT" &
holder=$!
trap 'kill $holder 2>/dev/null || true; rm -rf "$root"' EXIT
for _ in $(seq 100); do (exec 3<>"/dev/tcp/127.0.0.1/$PELKPOS_VNC_PORT") 2>/dev/null && break; sleep 0.05; done
out="$("$repo/scripts/virtual-display" sh -c 'python3 "$1" "$PELKPOS_VNC_PORT"' - "$here/vnc_check.py")"
echo "$out"
served="$(sed -n 's/.*served on port \([0-9]*\) instead.*/\1/p' <<<"$out")"
[ -n "$served" ] && [ "$served" != "$PELKPOS_VNC_PORT" ]
grep -q "The VNC port $PELKPOS_VNC_PORT is taken" <<<"$out"
grep -q "served over VNC at" <<<"$out"
grep -q "127.0.0.1:$served;" <<<"$out"
grep -q "refused without the password" <<<"$out"
kill $holder 2>/dev/null || true

# A VNC server that cannot start: the script says so and fails, printing no address.
fake="$(mktemp -d "$root/bin.XXXX")"
printf '#!/bin/sh\nexit 1\n' >"$fake/x11vnc"
chmod +x "$fake/x11vnc"
if out="$(PATH="$fake:$PATH" "$repo/scripts/virtual-display" true 2>&1)"; then
  echo "served without a VNC server: $out"; exit 1
fi
grep -q "The screen cannot be served over VNC" <<<"$out"
! grep -q "served over VNC at" <<<"$out"
echo "ok"
