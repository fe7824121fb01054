#!/usr/bin/env bash
# Runs a test program on a virtual X display managed by openbox, a real window manager that stacks and
# focuses windows as a desktop does. Without Xvfb the test is skipped (exit 77); without openbox it fails.
set -euo pipefail

command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipped"; exit 77; }
command -v openbox >/dev/null || { echo "openbox is not installed (scripts/install-deps installs it)"; exit 1; }

scratch=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap finish EXIT

# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start:"; cat "$scratch/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"

# openbox with its default configuration, reading and writing nothing of the user's.
HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
    openbox --sm-disable 2>"$scratch/openbox.log" &
pids+=($!)

# The test program waits until the window manager has taken over the display.
QT_QPA_PLATFORM=xcb "$@"
