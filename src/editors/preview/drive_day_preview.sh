#!/usr/bin/env bash
# Drives day_preview.exe as a person would: types two lines, colours the
# first red with Ctrl+R, writes with Ctrl+Enter, and checks what the editor
# handed back. Keys are pressed at the X level (xdotool), because modifiers
# sent with SendInput are not seen by GetKeyState under Wine.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" src/editors/preview/drive_day_preview.sh build/windows
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix} WINEDEBUG=-all
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
result=$(mktemp --suffix=.txt)
"$wine" "$build/src/editors/day_preview.exe" day "Z:${result//\//\\}" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 60); do
  window=$(xdotool search --name "楓帳 -Velda-" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.5
done
[ -n "${window:-}" ] || { echo "the day editor did not open"; kill $pid; exit 1; }
# Without a window manager the keyboard follows the focus we give it.
xdotool windowfocus "$window"
sleep 1
xdotool key ctrl+a Delete
xdotool type --delay 50 "meeting"
xdotool key Return
xdotool type --delay 50 "lunch"
xdotool key Up ctrl+r
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
xdotool key ctrl+Return
for _ in $(seq 40); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
kill -0 $pid 2>/dev/null && { echo "the day editor did not close"; kill $pid; exit 1; }
cat "$result"
grep -qx '20,1,,meeting,clRed,,,,,' "$result" && grep -qx '20,2,,lunch,,,,,,' "$result"
echo "day editor driven: first line red"
