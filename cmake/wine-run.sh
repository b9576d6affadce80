#!/usr/bin/env bash
# Runs a Windows program under Wine with a prefix kept under the build
# folder. The prefix is made once, quietly; programs that open windows get
# an Xvfb display when there is none. "--prepare" only makes the prefix.
set -euo pipefail
exe=$1; shift
build=$(cd "$(dirname -- "$exe")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done; pwd)
[ -f "$build/CMakeCache.txt" ] || build=$(cd "$(dirname -- "$exe")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
[ -x "$wine" ] || wine=/usr/lib/wine/wine64

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$wine" wineboot -i >/dev/null 2>&1 || true
      # Windows links its menu and dialog font to a Japanese one; a Wine
      # prefix outside a Japanese locale needs to be told.
      "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d 'Noto Sans CJK JP' /f \
        >/dev/null 2>&1 || true
    fi
    "$(dirname "$wine")/wineserver" -w 2>/dev/null || wineserver -w 2>/dev/null || true
  ) 9>"$WINEPREFIX.lock"
fi
[ "$exe" = --prepare ] && exit 0

if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$wine" "$exe" "$@"
fi
exec "$wine" "$exe" "$@"
