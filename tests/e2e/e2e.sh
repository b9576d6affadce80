#!/usr/bin/env bash
# End-to-end scenarios of Velda.exe under Wine, driven by velda-driver.exe
# (and xdotool for Ctrl keys) on a prepared program folder.
#   e2e.sh SCENARIO VELDA_EXE DRIVER_EXE WORK_DIR
# Scenarios:
#   main_window  data format 2: today's month, Ctrl+K / Ctrl+J, a far month
#                through the entry box, a second start that brings the first
#                forward and ends, the close, and the files left on disk.
#   first_start  an empty program folder: the setup question, No, and the
#                data kept in the program folder (format 1).
set -euo pipefail
scenario=$1 velda=$2 driver=$3 work=$4
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
wine_run=$root/cmake/wine-run.sh

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "--- $*"; }
drv() { "$wine_run" "$work/driver.exe" "$@"; }

# One X display for everything; Xvfb when there is none.
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 200 260); do [ -e /tmp/.X11-unix/X$n ] || break; done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:$n
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
velda_pid=
cleanup() {
  [ -n "$velda_pid" ] && kill "$velda_pid" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

# Writes lines (UTF-8 arguments) as Shift-JIS with CR LF, as the program does.
sjis() { local f=$1; shift; printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 > "$f"; }

prog=$work/prog
rm -rf "$work"
mkdir -p "$prog"
cp "$velda" "$prog/Velda.exe"
cp "$driver" "$work/driver.exe"
cp "$root"/data/* "$prog/"

year=$(date +%Y) month=$((10#$(date +%m)))
ym=$(printf '%04d%02d' "$year" "$month")
month_name() { date -d "$year-$month-15 $1 month" '+%-Y年%-m月'; }
this_month=$(month_name +0) next_month=$(month_name +1) last_month=$(month_name -1)

# Another Velda of this Wine prefix would take the start over.
no_other_velda() {
  [ "$(drv count TfmC21 | tr -d '\r')" = 0 ] || fail "another Velda.exe runs in this Wine prefix"
}

start_velda() {
  (cd "$prog" && exec "$wine_run" "$prog/Velda.exe" "$@") &
  velda_pid=$!
}

# The keyboard goes to the X window under the pointer.
focus_velda() {
  local id
  id=$(xdotool search --name '楓帳 - Velda -' | head -1)
  [ -n "$id" ] || fail "no X window of Velda"
  xdotool windowfocus "$id" 2>/dev/null || true
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
  sleep 0.3
}

key() { xdotool key "$1"; }

wait_exit() {
  for _ in $(seq 300); do kill -0 "$velda_pid" 2>/dev/null || { velda_pid=; return 0; }; sleep 0.1; done
  fail "Velda.exe did not end"
}

main_window() {
  local files1=$prog/Data/Files1
  mkdir -p "$files1" "$prog/Data/Files2"
  sjis "$files1/Ca$ym.kdf" "$(printf ' 0,0,9,%4d/%2d [Data\\Files1\\]' "$year" "$month")" \
    ' 3,1,,部署会議,,,10:00:00,,,' '15,1,,給料日,,,,,,' '22,1,,忘年会,clBlue,,19:00:00,,,'
  sjis "$files1/Ca204005.kdf" ' 0,0,9,2040/ 5 [Data\Files1\]' ' 5,1,,遠い予定,,,,,,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'
  cp -a "$files1" "$work/before"

  step "start on today's month"
  no_other_velda
  start_velda
  drv wait TfmC21 60000 || fail "no main window"
  drv wait-child TfmC21 TSeMCal 30000 || fail "no month grid"
  drv expect-month "$this_month" || fail "not today's month"

  step "Ctrl+K and Ctrl+J"
  focus_velda
  key ctrl+k; drv expect-month "$next_month" || fail "Ctrl+K"
  key ctrl+j; drv expect-month "$this_month" || fail "Ctrl+J"
  key ctrl+j; drv expect-month "$last_month" || fail "Ctrl+J twice"
  key ctrl+k; drv expect-month "$this_month" || fail "Ctrl+K back"

  step "a far month through the entry box"
  drv enter-month 204005 || fail "entry box"
  drv expect-month "2040年5月" || fail "entry box month"
  drv press "今月" || fail "今月"
  drv expect-month "$this_month" || fail "back to this month"

  step "a second start brings the first forward and ends"
  drv hide TfmC21
  drv gone TfmC21 5000 || fail "could not hide"
  (cd "$prog" && timeout 120 "$wine_run" "$prog/Velda.exe") || fail "second start failed"
  drv wait TfmC21 10000 || fail "the first was not shown"
  [ "$(drv count TfmC21 | tr -d '\r')" = 1 ] || fail "a second main window"

  step "close"
  drv close TfmC21 30000 || fail "close"
  wait_exit

  step "files on disk"
  grep -q 'vCalGyou=5' "$prog/Velda.ini" || fail "settings not written"
  grep -q 'UseFolNo=1' "$prog/Velda.ini" || fail "data set not written"
  cmp "$work/before/Ca$ym.kdf" "$files1/Ca$ym.kdf" || fail "this month not kept byte for byte"
  cmp "$work/before/Ca204005.kdf" "$files1/Ca204005.kdf" || fail "the far month changed"
  cmp "$work/before/CaFromTo.kdf" "$files1/CaFromTo.kdf" || fail "the period file changed"
  [ "$(ls "$files1"/Ca2*.kdf | wc -l)" = 2 ] || fail "empty months got files: $(ls "$files1")"
  [ "$(iconv -f CP932 -t UTF-8 < "$prog/Data/VeldaSte.kdl" | tr -d '\r')" = '起動時刻ファイル<VeldaSte.kdl>' ] \
    || fail "run log header"
}

first_start() {
  step "the setup question"
  no_other_velda
  start_velda
  local text
  text=$(drv box-text 60000) || fail "no setup question"
  case $text in
    *"「楓帳 -Velda-」Ver8.1.0 のセットアップを行いますか？"*) ;;
    *) fail "unexpected box: $text" ;;
  esac
  drv answer no || fail "could not answer"

  step "a normal start with the data in the program folder"
  drv wait-child TfmC21 TSeMCal 30000 || fail "no month grid"
  drv expect-month "$this_month" || fail "not today's month"
  drv close TfmC21 30000 || fail "close"
  wait_exit
  [ ! -e "$prog/Data" ] || fail "a Data folder was made"
  grep -q 'yDataForm=1' "$prog/Velda.ini" || fail "not data format 1"
  [ -e "$prog/VeldaSte.kdl" ] || fail "no run log in the program folder"
  [ -e "$prog/CaFromTo.kdf" ] || fail "no period file in the program folder"
}

"$scenario"
echo "PASS: $scenario"
