#!/usr/bin/env bash
# Runs one Windows program of the win64 build under wine64, inside the prefix and the
# Xvfb display that tools/wine-session.sh started for this test run.
set -euo pipefail
dir=${RWFAX_WINE_DIR:?RWFAX_WINE_DIR names the folder of the wine session}
export WINEARCH=win64 WINEPREFIX="$dir/prefix" WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$dir/display" ]; then export DISPLAY=":$(cat "$dir/display")"; fi
# Wine's helper processes (services, the desktop window) start with the first program that
# needs them and outlive it; they must not inherit CTest's pipe, or the test never ends.
out=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
set +e
/usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
