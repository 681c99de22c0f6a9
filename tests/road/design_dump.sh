#!/bin/sh
# Writes the design of every registered form, as loaded on fresh stores, to a file: the road
# runner's dump of each form and each control's every property (road --designs). A dump taken
# before a change to the forms' designs and one taken after it compare with diff.
#
#   tests/road/design_dump.sh [BUILD_DIR] [OUT]     (defaults: build, BUILD_DIR/designs.txt)
set -eu
build=${1:-build}
out=${2:-$build/designs.txt}
road="$build/tests/road/road"
if [ ! -x "$road" ]; then
    echo "design_dump.sh: no road runner at $road; build the tests first" >&2
    exit 2
fi
"$road" --designs >"$out"
echo "$out: $(grep -c ' Form ' "$out") forms"
