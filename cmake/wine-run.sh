#!/usr/bin/env bash
# Runs a Windows program under Wine with a prefix kept under the build
# folder. The prefix is made once, quietly; programs that open windows get
# an Xvfb display when there is none.
set -euo pipefail
exe=$1; shift
build=$(cd "$(dirname "$exe")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done; pwd)
[ -f "$build/CMakeCache.txt" ] || build=$(cd "$(dirname "$exe")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
[ -x "$wine" ] || wine=/usr/lib/wine/wine64

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1 || true
    "$(dirname "$wine")/wineserver" -w 2>/dev/null || wineserver -w 2>/dev/null || true
  ) 9>"$WINEPREFIX.lock"
fi

if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$wine" "$exe" "$@"
fi
exec "$wine" "$exe" "$@"
