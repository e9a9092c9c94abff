#!/usr/bin/env bash
# The start-up comparison on X11, as on a user's desktop: in an X server of its own with a
# window manager, so each window is mapped, framed and exposed as it would be there.
# Usage: scripts/bench-x11.sh [build-dir] [runs]
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
runs="${2:-15}"
exec xvfb-run -a -s "-screen 0 1400x900x24" bash -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1   # let the window manager take the screen before the first run
  QT_QPA_PLATFORM=xcb "$0/bench/nixaro_startup" "$0/bench/nixaro_firstframe" \
    "$0/bench/bare_firstframe" "$1" "$0/bench/text_firstframe"
  kill "$wm"' "$build" "$runs"
