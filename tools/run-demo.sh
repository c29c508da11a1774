#!/usr/bin/env bash
# Sets up, builds and starts Zelvo on a writable copy of the bundled demo event folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

# The program writes def.txt and scratch files into its event folder: use a copy.
event="${ZELVO_DEMO_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/zelvo/demo}"
if [ ! -d "$event" ]; then
    mkdir -p "$(dirname "$event")"
    cp -r demo "$event"
fi
echo "Event folder: $event"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    # No desktop here: run on a virtual screen so the program still starts.
    exec xvfb-run -a -s "-screen 0 1280x800x24" build/bin/zelvo --folder "$event"
fi
exec build/bin/zelvo --folder "$event"
