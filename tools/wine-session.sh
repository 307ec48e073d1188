#!/usr/bin/env bash
# Starts or stops the shared wine session of one test run: a fresh prefix (so every run
# begins with an empty registry), a persistent wineserver and an Xvfb display.
#   wine-session.sh start DIR    wine-session.sh stop DIR
set -uo pipefail
cmd=${1:?start or stop}; dir=${2:?session folder}
export WINEARCH=win64 WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
stop() {
  if [ -d "$WINEPREFIX" ]; then /usr/lib/wine/wineserver -k 2>/dev/null; fi
  if [ -f "$dir/xvfb.pid" ]; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null; rm -f "$dir/xvfb.pid"; fi
  rm -f "$dir/display"
}
case "$cmd" in
  start)
    stop
    rm -rf "$dir"; mkdir -p "$dir"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" </dev/null >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
    [ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; cat "$dir/xvfb.log" >&2; exit 1; }
    export DISPLAY=":$(cat "$dir/display")"
    /usr/lib/wine/wine64 wineboot -i >"$dir/wineboot.log" 2>&1
    # Wine draws window captions only when its X11 driver does not hand windows to a window manager.
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -w
    # Keep one wineserver alive for the whole run: each test program then starts in about a second.
    /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
    echo "wine session ready in $dir (display $DISPLAY)"
    ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
