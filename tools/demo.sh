#!/usr/bin/env bash
# Installs what is missing, builds the module (the 32-bit product and the 64-bit build that
# runs here) and runs the demo host under wine64.
#  - with a display ($DISPLAY set): the demo host opens on it for you to use;
#  - without one: it runs its tour in an Xvfb display, prints what happened and writes a
#    picture of every window into docs/screenshots/.
# The demo keeps its own wine prefix in build/demo-wine, so settings and phonebooks stay.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset win32 >/dev/null && cmake --build --preset win32
cmake --preset win64 >/dev/null && cmake --build --preset win64

export WINEARCH=win64 WINEPREFIX="$PWD/build/demo-wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
pictures="Z:$PWD/docs/screenshots"
mkdir -p docs/screenshots
cd build/win64/bin
if [ -n "${DISPLAY:-}" ]; then
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
  /usr/lib/wine/wine64 RWFaxDemo.exe
else
  # For the pictures, Wine draws the window frames itself (no window manager in Xvfb); the
  # setting is taken back afterwards, so that a desktop's window manager frames them again.
  x11='HKCU\Software\Wine\X11 Driver'
  xvfb-run -a sh -c '/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    /usr/lib/wine/wine64 reg add "$1" /v Managed /d N /f >/dev/null 2>&1
    /usr/lib/wine/wine64 RWFaxDemo.exe --tour --pictures "$0" 2>/dev/null | cat
    /usr/lib/wine/wine64 reg delete "$1" /v Managed /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -w' "$pictures" "$x11"
fi
