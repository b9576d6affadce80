#!/usr/bin/env bash
# Builds 楓帳 -Velda- for Windows and starts it under Wine. With a display
# it opens there; without one it runs under Xvfb, saves a screenshot, closes
# the program in order and prints the screenshot's path.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Velda velda-driver

build=$root/build/windows
stage=$build/stage/Velda
scripts/stage-program.sh "$build" "$stage"

run() { "$root/cmake/wine-run.sh" "$@"; }

if [ -n "${DISPLAY:-}" ]; then
  cd "$stage" && exec "$root/cmake/wine-run.sh" "$stage/Velda.exe" "$@"
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$stage" && run "$stage/Velda.exe" "$@") &
velda=$!
if ! run "$build/tests/e2e/velda-driver.exe" wait TfmC21 60000; then
  echo "Velda.exe did not show its main window." >&2
  exit 1
fi
sleep 2  # let the first paint finish
shot=$build/screenshot.png
import -window root "$shot"
run "$build/tests/e2e/velda-driver.exe" close TfmC21 30000 || echo "Velda.exe did not close in time." >&2
wait $velda || true
echo "Screenshot: $shot"
