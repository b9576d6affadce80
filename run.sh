#!/usr/bin/env bash
# Builds 楓帳 -Velda- for Windows and starts it under Wine. With a display
# it opens there; without one it runs under Xvfb, saves a screenshot, closes
# the program in order and prints the screenshot's path.
# VELDA_LANG sets the locale Wine runs in (default ja_JP.UTF-8, code page 932
# as Japanese users have it).
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Velda velda-driver

build=$root/build/windows
stage=$build/stage/Velda
scripts/stage-program.sh "$build" "$stage"
export LANG=${VELDA_LANG:-ja_JP.UTF-8}
# A prefix of its own, so the look chosen here never touches the tests'.
export WINEPREFIX=$build/run-prefix
wine() { "$root/cmake/wine-run.sh" "$@"; }

if [ -n "${DISPLAY:-}" ]; then
  cd "$stage" && exec "$root/cmake/wine-run.sh" "$stage/Velda.exe" "$@"
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Without a window manager Wine draws no frames; its virtual desktop does,
# so the screenshot shows the window as a Windows user sees it.
regkey='HKCU\Software\Wine\Explorer'
wine reg add "$regkey" /v Desktop /d Default /f >/dev/null 2>&1
wine reg add "$regkey\Desktops" /v Default /d 1280x1024 /f >/dev/null 2>&1
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
"$wineserver" -w  # the desktop is chosen when Wine's session starts

(cd "$stage" && wine "$stage/Velda.exe" "$@") &
velda=$!
if ! wine "$build/tests/e2e/velda-driver.exe" wait TfmC21 60000; then
  echo "Velda.exe did not show its main window." >&2
  exit 1
fi
sleep 2  # let the first paint finish
shot=$build/screenshot.png
import -window root "$shot"
wine "$build/tests/e2e/velda-driver.exe" close TfmC21 30000 || echo "Velda.exe did not close in time." >&2
wait $velda || true
wine wineboot --end-session >/dev/null 2>&1 || true
echo "Screenshot: $shot"
