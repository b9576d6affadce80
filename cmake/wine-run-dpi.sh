#!/usr/bin/env bash
# Runs a Windows program under Wine as on a display of another DPI: a Wine
# prefix of its own per DPI (build/<preset>/wineprefix-<dpi>), whose
# HKCU\Control Panel\Desktop\LogPixels says the DPI, then cmake/wine-run.sh.
#
#   cmake/wine-run-dpi.sh 144 build/windows/src/grid/grid_preview.exe year
#
# Wine scales nothing itself: a program that is not DPI aware is told 96
# and drawn as it is, an aware one (Velda.exe's manifest, or
# platform::DeclarePerMonitorDpiAwareness in the previews and tests) sees
# the prefix's DPI and lays itself out for it.
set -euo pipefail
dpi=$1; exe=$2; shift 2
case $dpi in ''|*[!0-9]*) echo "usage: $0 DPI program.exe [arguments]" >&2; exit 2 ;; esac
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$(dirname "$exe")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done; pwd)
[ -f "$build/CMakeCache.txt" ] || build=$(cd "$(dirname "$exe")" && pwd)
export WINEPREFIX=$build/wineprefix-$dpi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
[ -x "$wine" ] || wine=/usr/lib/wine/wine64

if [ ! -f "$WINEPREFIX/velda-dpi" ] || [ "$(cat "$WINEPREFIX/velda-dpi")" != "$dpi" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$wine" wineboot -i >/dev/null 2>&1 || true
      # As in wine-run.sh: the menu and dialog font links to a Japanese one.
      "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d 'Noto Sans CJK JP' /f \
        >/dev/null 2>&1 || true
    fi
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    "$(dirname "$wine")/wineserver" -w 2>/dev/null || wineserver -w 2>/dev/null || true
    echo "$dpi" > "$WINEPREFIX/velda-dpi"
  ) 9>"$WINEPREFIX.lock"
fi
exec "$here/wine-run.sh" "$exe" "$@"
