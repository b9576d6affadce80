#!/usr/bin/env bash
# Start to a visible, painted main window: Velda.exe beside an empty Win32
# program (one window, a menu, one line of Japanese text), both under Wine
# in one run, warm (each started once before the timed runs). Prints both
# medians and their ratio.
#   tools/startup/measure-start.sh [RUNS] [VELDA_EXE] [YEARS]
# The default program is the windows preset's build; build it first
# (cmake --build --preset windows --target Velda velda-driver velda-start-probe
# velda-dataset). With YEARS the data folder holds that many years of a
# long-time user's months (velda-dataset, from 1977) instead of one year.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/windows
runs=${1:-9}
velda=${2:-$build/src/app/Velda.exe}
years=${3:-}
probe=$build/tools/startup/velda-start-probe.exe
driver=$build/tests/e2e/velda-driver.exe
wine_run=$root/cmake/wine-run.sh
work=$build/start-measure
export LC_ALL=C.UTF-8

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

# A program folder with a year of data, as a user has it.
rm -rf "$work" && mkdir -p "$work/Data/Files1" "$work/Data/Files2"
cp "$velda" "$work/Velda.exe"
cp "$root"/data/* "$work/"
for m in $(seq -w 1 12); do
  printf ' 0,0,9,%s/%2d [Data\\Files1\\]\r\n' "$(date +%Y)" "$((10#$m))" > "$work/Data/Files1/Ca$(date +%Y)$m.kdf"
  for d in $(seq 1 28); do printf '%2d,1,,meeting %s,,,,,,\r\n' "$d" "$d" >> "$work/Data/Files1/Ca$(date +%Y)$m.kdf"; done
done
printf '***** FromTo\x97\\\x92\xe8 [Data\\Files1\\]\r\n' > "$work/Data/Files1/CaFromTo.kdf"
if [ -n "$years" ]; then
  rm -f "$work"/Data/Files1/*
  "$wine_run" "$build/tools/dataset/velda-dataset.exe" "Z:${work//\//\\}\\Data\\Files1" \
    "Z:${work//\//\\}\\Data" "$years" 1977 | tr -d '\r'
fi

drv() { "$wine_run" "$driver" "$@"; }
# The started program inherits the driver's output: through a pipe the
# reader would wait for the program to end, so the figure goes via a file.
timed() {
  "$@" > "$work/time.txt"
  tr -d '\r' < "$work/time.txt"
}
start_velda() { (cd "$work" && timed drv time-start "$work/Velda.exe"); }
start_probe() { timed drv time-window VeldaStartProbe "$probe"; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Warm-up: Wine's own start, the fonts, the disk cache.
start_velda > "$work/one.txt"; drv close TfmC21 30000 >/dev/null
start_probe > "$work/one.txt"; drv close VeldaStartProbe 30000 >/dev/null

velda_times=() probe_times=()
for _ in $(seq "$runs"); do
  start_probe > "$work/one.txt"; probe_times+=("$(cat "$work/one.txt")")
  drv close VeldaStartProbe 30000 >/dev/null
  start_velda > "$work/one.txt"; velda_times+=("$(cat "$work/one.txt")")
  drv close TfmC21 30000 >/dev/null
done
v=$(printf '%s\n' "${velda_times[@]}" | median)
p=$(printf '%s\n' "${probe_times[@]}" | median)
echo "empty program: ${probe_times[*]} ms (median $p)"
echo "Velda.exe:     ${velda_times[*]} ms (median $v)"
awk -v v="$v" -v p="$p" 'BEGIN { printf "ratio: %.2f\n", v / p }'
