#!/bin/sh
# Starts the game, or says how to when there is no display to show it on.
game="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "Tilora is a desktop game and needs a display." >&2
  echo "Run 'make run' from a desktop session, or without one: xvfb-run make run" >&2
  exit 1
fi
exec "$game"
