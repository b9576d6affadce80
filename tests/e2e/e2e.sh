#!/usr/bin/env bash
# End-to-end scenarios of Velda.exe under Wine, driven by velda-driver.exe
# (and xdotool for Ctrl keys) on a prepared program folder.
#   e2e.sh SCENARIO VELDA_EXE DRIVER_EXE WORK_DIR [DATASET_EXE]
# Scenarios:
#   main_window  data format 2: today's month, Ctrl+K / Ctrl+J, a far month
#                through the entry box, a second start that brings the first
#                forward and ends, the close, and the files left on disk.
#   first_start  an empty program folder: the setup question, No, and the
#                data kept in the program folder (format 1).
#   editing      June 2030: a day written in the day editor with a red line,
#                a period made by an Alt-drag, typed and pasted Japanese
#                through the day-number box, a day copied onto another day,
#                foreign clipboard text refused, a special day from the pop-up
#                menu; the files after the close,
#                the entries drawn after a restart. Screenshots in WORK/shots.
#   nothing_lost June 2030: an entry on disk as soon as it is confirmed (the
#                process then ended from outside), Esc and No, a character
#                Shift-JIS cannot hold, a reversed period refused and an old
#                reversed line deleted, a close from outside and the end of
#                the Windows session while the editor holds changed text.
#   resident     "/J02" hides the window into the notification area, the
#                tray icon's menu and a click on it, Ctrl+F12 and 開く bring it back, Ctrl+F12 and the 常駐
#                button hide it; the alarm armed in its window and the close
#                question it brings; the run-time log and its viewer; an alarm
#                due soon opens its display window.
#   network      two computers (two Wine prefixes, VELDA_COMPUTER_NAME) on
#                one shared folder: the first edits the 10th, the second is
#                refused with the other computer's name, the first writes and
#                the second's next poll draws the new entry. The month lock
#                taken away while the first edits: the write is refused and
#                told, and Yes opens the editor again with the typed text,
#                which is then written. "999000001" in update.kdf ends the
#                first with the memo it was typing saved.
#   options      オプション設定: "月メモをＯｎ" and OK; the month memo drawn at
#                once, cbTukiMemo=1 in Velda.ini after the close.
#   backup_restore バックアップ＆リストア: the data backed up to a folder, an
#                entry written, the backup restored (the program ends) and
#                the month file byte for byte the backed-up one.
#   commemoration かえで記念機能: a commemoration file read into June (the
#                file then gone), the months read again after 適用 and the
#                entry drawn in its colour, then removed by its code; a rule
#                added in 記念日等一括編集 drawn on the grid.
#   install      a first start from an unpacked work folder: Yes to the setup
#                question, a new setup into another folder, the installed
#                copy started (it offers to delete the work folder: No).
#   high_dpi     the display at 144 DPI: a day written through the day
#                editor as at 96, with screenshots of the scaled windows.
#   data_export  データ書出: June as iCalendar and as CSV from the menu
#                through the save dialog, both read back by python3-icalendar
#                and Python's csv module.
#   fifty_years  600 month files (1977-2026, velda-dataset): a word found only
#                in 1985 searched twice in one session, the caret on it both
#                times; the data backed up (every month file byte for byte)
#                and restored, which ends the program.
#   vanished_folder  Data\Files1 renamed while the program runs: June 2030
#                asked for, the program says once that the folder is gone,
#                shows nothing, makes no new folder; the close writes nothing.
#   memo_search  Ctrl+F builds the listing and 検索 finds an entry two years
#                back; the memo typed, closed and found again after a
#                restart; the usage guide in the memo window. Screenshots.
# Run it with LANG=ja_JP.UTF-8 as well: Japanese users have code page 932.
set -euo pipefail
scenario=$1 velda=$2 driver=$3 work=$4 dataset=${5:-}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
wine_run=$root/cmake/wine-run.sh

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "--- $*"; }
# The tools take Japanese arguments as UTF-8 whatever locale the program
# runs in.
drv_once() { LC_ALL=C.UTF-8 "$wine_run" "$work/driver.exe" "$@"; }
# A waiting command says no only at its deadline. One that says no well
# before it never ran its wait (a Wine start failing on a loaded machine,
# seen once in CI): it is asked once more rather than failing the scenario.
drv() {
  local start=$SECONDS rc=0 deadline_ms
  case $1 in
    wait|gone) deadline_ms=${3:-30000} ;;
    wait-child) deadline_ms=${4:-30000} ;;
    box-text) deadline_ms=${2:-30000} ;;
    *) drv_once "$@"; return ;;
  esac
  drv_once "$@" || rc=$?
  if [ $rc -ne 0 ] && [ $(((SECONDS - start) * 1000 + 2000)) -lt "$deadline_ms" ]; then
    echo "    (driver '$1' ended after $((SECONDS - start)) s with $rc; asking again)" >&2
    rc=0
    drv_once "$@" || rc=$?
  fi
  return $rc
}
xdotool() { LC_ALL=C.UTF-8 command xdotool "$@"; }

# One X display for everything; Xvfb when there is none.
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 200 260); do [ -e /tmp/.X11-unix/X$n ] || break; done
  # A laptop's 1920 x 1200 at 150 %, as 1280 x 800 would be at 100 %.
  screen=1280x1024; [ "$scenario" = high_dpi ] && screen=1920x1200
  Xvfb ":$n" -screen 0 ${screen}x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:$n
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
velda_pid= velda2_pid=
cleanup() {
  [ -n "$velda_pid" ] && kill "$velda_pid" 2>/dev/null || true
  [ -n "$velda2_pid" ] && kill "$velda2_pid" 2>/dev/null || true
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
# high_dpi: the display at 144 DPI (150 %), Wine's own prefix for it.
if [ "$scenario" = high_dpi ]; then
  printf '#!/bin/sh\nexec "%s" 144 "$@"\n' "$root/cmake/wine-run-dpi.sh" > "$work/wine-144.sh"
  chmod +x "$work/wine-144.sh"
  wine_run=$work/wine-144.sh
  export VELDA_E2E_DPI=144
fi

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

# X window names by their ASCII part: outside a Japanese locale Wine cannot
# give X the Japanese one ("楓帳 - Velda -" main window, "楓帳 -Velda-" the
# day editor while shown).
main_title=' - Velda -$' editor_title=' -Velda-$'

# The keyboard goes to the X window under the pointer.
focus_velda() {
  local id
  id=$(xdotool search --name "$main_title" | head -1)
  [ -n "$id" ] || fail "no X window of Velda"
  xdotool windowfocus "$id" 2>/dev/null || true
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
  sleep 0.3
}

key() { xdotool key "$1"; }

# Focus for the keyboard: without a window manager nobody gives it back
# when a message box or the day editor closes.
focus_name() {
  local id
  id=$(xdotool search --name "$1" | head -1 || true)
  [ -n "$id" ] || fail "no X window named $1"
  xdotool windowfocus "$id" 2>/dev/null || true
  sleep 0.3
}
focus_editor() { focus_name "$editor_title"; }

# The day editor closed and the main window took over again.
editor_closed() {
  drv gone TfmDay 10000 || fail "$1"
  drv idle TfmC21 || fail "the main window does not answer"
}

# Mouse on a day of the shown month: DAY [THIRD] (1 morning .. 3 evening).
point_at() {
  local xy
  xy=$(drv day-point "$1" "${2:-2}" | tr -d '\r') || fail "day $1 not found in the grid"
  xdotool mousemove ${xy% *} ${xy#* }
}

shot() { sleep "${2:-0.5}"; import -window root "$work/shots/$1.png"; echo "    screenshot $work/shots/$1.png"; }

# Utf-8 text as the driver's hex argument (any locale).
hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }

# The text of control ID of the visible day editor.
editor_text() { drv text TfmDay "$1" | tr -d '\r'; }
editor_lines() { drv text TfmDay "$1" | tr -d '\r' | wc -l; }

# The exact text of control ID of window CLASS into $control (CR LF read as
# LF; a trailing line break kept, as command substitution would not).
read_control() {
  control=$(drv text "$1" "$2" | tr -d '\r'; echo .)
  control=${control%.}
  control=${control%$'\n'}  # the driver's own line end
}

# Waits until control ID of window CLASS holds exactly TEXT.
holds_text() {
  for _ in $(seq 30); do
    read_control "$1" "$2"
    [ "$control" = "$3" ] && return 0
    sleep 0.1
  done
  return 1
}

# Types TEXT at the end of control ID of window CLASS (default the day
# editor) and checks what arrived: on a loaded machine the X server may drop
# keys. What did arrive is taken back and the text pasted instead.
type_checked() {
  local id=$1 text=$2 class=${3:-TfmDay} before
  read_control "$class" "$id"
  before=$control
  xdotool type --delay 30 "$text"
  holds_text "$class" "$id" "$before$text" && return 0
  echo "    typed text did not arrive whole; pasting it"
  for _ in $(seq 200); do
    read_control "$class" "$id"
    [ "$control" = "$before" ] && break
    key BackSpace
  done
  drv clip-set "$(hex "$text")" || fail "clipboard"
  key ctrl+v
  holds_text "$class" "$id" "$before$text" || fail "could not enter \"$text\" into $class $id: $control"
}

# Return in the day editor's text, checked by the line count.
newline_checked() {
  local before
  before=$(editor_lines "$1")
  for _ in 1 2; do
    key Return
    for _ in $(seq 20); do
      [ "$(editor_lines "$1")" -gt "$before" ] && return 0
      sleep 0.1
    done
  done
  fail "Return did not reach the editor"
}

# Waits for a box with exactly TEXT and presses OK (or ANSWER).
expect_box() {
  local text
  text=$(drv box-text 10000 | tr -d '\r') || fail "no message box, expected: $1"
  [ "$text" = "$(printf '%b' "$1" | tr -d '\r')" ] || fail "unexpected box: $text"
  drv answer "${2:-ok}" || fail "could not answer the box"
  drv idle TfmC21 || fail "the main window does not answer"
}

lines_of() { iconv -f CP932 -t UTF-8 < "$1" | tr -d '\r'; }

# More than MIN pixels the driver's COUNT command finds in DAY's cell, once painted.
painted() {  # COUNT DAY MIN
  for _ in $(seq 50); do
    [ "$(drv "$1" "$2" | tr -d '\r')" -gt "$3" ] && return 0
    sleep 0.2
  done
  return 1
}
red_drawn() { painted red-pixels "$1" 20; }        # red entry text
names_drawn() { painted green-names "$1" 10; }     # green commemoration names

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

  step "the entry box takes BackSpace like any edit field"
  drv press "年月指定" || fail "年月指定"
  read_control TfmC21 $ID_ENTRYBOX
  local entry=$control
  [ ${#entry} = 6 ] || fail "the entry box shows $entry"
  focus_velda
  key End; key BackSpace; key BackSpace
  holds_text TfmC21 $ID_ENTRYBOX "${entry:0:4}" || fail "BackSpace did nothing: $control"
  type_checked $ID_ENTRYBOX 07 TfmC21
  key Return
  drv expect-month "$((10#${entry:0:4}))年7月" || fail "the month typed after BackSpace"
  drv press "今月" || fail "今月"

  step "the year page: the year box has the keyboard and Tab moves on"
  focus_velda
  key alt+Right
  for _ in $(seq 30); do drv focus TfmC21 | grep -q 'focus=Edit' && break; sleep 0.1; done
  case $(drv focus TfmC21) in
    *focus=Edit*menu*) fail "Alt+Right left the menu bar active" ;;
    *focus=Edit*) ;;
    *) fail "the year box does not have the focus: $(drv focus TfmC21)" ;;
  esac
  key Tab
  for _ in $(seq 30); do drv focus TfmC21 | grep -q 'focus=Button' && break; sleep 0.1; done
  drv focus TfmC21 | grep -q 'focus=Button' || fail "Tab did not move on: $(drv focus TfmC21)"

  step "a display mode chosen on the year page leaves the month page whole"
  drv command TfmC21 1415 || fail "could not choose ５行横長"
  sleep 0.5
  key alt+Left
  drv expect-month "$this_month" || fail "not back on the month page"
  for _ in $(seq 30); do drv fits TfmC21 TSeMCal >/dev/null && break; sleep 0.1; done
  drv fits TfmC21 TSeMCal || fail "the grid is clipped after a mode chosen on the year page"
  drv command TfmC21 1405 || fail "could not choose ５行"

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

# Control ids of the day editor (editors/day_window_win.h) and of the
# main window's day-number box (shell/day_number_box_win.h).
ID_LABEL1=101 ID_MEMO2=105 ID_PNLKIKAN=130 ID_DAY1=135 ID_COMBO1=137 ID_DAY2=142 ID_COMBO2=144
ID_DAY3=149 ID_SEEDIT4=151 ID_KINENBI=170 ID_DAYBOX=110 ID_ENTRYBOX=111

editing() {
  local files1=$prog/Data/Files1
  local june=$files1/Ca203006.kdf
  mkdir -p "$files1" "$prog/Data/Files2" "$work/shots"
  sjis "$june" ' 0,0,9,2030/ 6 [Data\Files1\]' '25,1,,既存の予定,,,,,,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'

  step "start and go to June 2030"
  no_other_velda
  start_velda
  drv wait-child TfmC21 TSeMCal 60000 || fail "no month grid"
  drv enter-month 203006 || fail "entry box"
  drv expect-month "2030年6月" || fail "June 2030 not shown"
  [ "$(drv red-pixels 12 | tr -d '\r')" = 0 ] || fail "red on the 12th before any edit"

  step "double-click the 12th: two lines, the first red"
  focus_velda
  point_at 12
  xdotool click --repeat 2 --delay 80 1
  drv wait TfmDay 10000 || fail "no day editor after the double-click"
  [ "$(editor_text $ID_LABEL1)" = "2030. 6.12" ] || fail "the editor shows $(editor_text $ID_LABEL1)"
  focus_editor
  type_checked $ID_MEMO2 "Dentist 9:00"
  newline_checked $ID_MEMO2
  type_checked $ID_MEMO2 "Lunch with Ken"
  [ "$(editor_text $ID_MEMO2)" = "$(printf 'Dentist 9:00\nLunch with Ken')" ] || fail "the editor holds $(editor_text $ID_MEMO2)"
  key Up; key ctrl+r
  shot day-editor
  key ctrl+Return
  editor_closed "Ctrl+Enter did not close the day editor"

  step "Alt-drag from the evening of the 3rd to the morning of the 5th"
  focus_velda
  point_at 3 3
  xdotool keydown alt mousedown 1
  point_at 4 2; sleep 0.2
  point_at 5 1; sleep 0.3
  shot alt-drag 0.2
  xdotool mouseup 1 keyup alt
  drv wait TfmDay 10000 || fail "no period editor after the Alt-drag"
  [ "$(editor_text $ID_PNLKIKAN)" = "追加" ] || fail "not a new period"
  local page
  page="$(editor_text $ID_DAY1) $(editor_text $ID_COMBO1) $(editor_text $ID_DAY2) $(editor_text $ID_COMBO2) $(editor_text $ID_DAY3)"
  [ "$page" = "3 夕 5 朝 4" ] || fail "period page shows: $page"
  focus_editor
  type_checked $ID_SEEDIT4 "大阪出張 Osaka"
  shot period-editor
  key ctrl+Return
  editor_closed "the period editor did not close"

  step "the day-number box: 31 is no day of June, 14 opens the editor"
  focus_velda
  key ctrl+l
  type_checked $ID_DAYBOX 31 TfmC21
  key Return
  expect_box "[ 31 ]日は、日付に出来ません。"
  focus_velda
  key BackSpace; key BackSpace
  holds_text TfmC21 $ID_DAYBOX "" || fail "the day-number box was not cleared"
  type_checked $ID_DAYBOX 14 TfmC21
  key Return
  drv wait TfmDay 10000 || fail "no day editor from the day-number box"
  [ "$(editor_text $ID_LABEL1)" = "2030. 6.14" ] || fail "the editor shows $(editor_text $ID_LABEL1)"

  step "typed and pasted Japanese"
  focus_editor
  type_checked $ID_MEMO2 "予定"
  newline_checked $ID_MEMO2
  drv clip-set "$(hex '会議 3F')" || fail "clipboard"
  key ctrl+v
  holds_text TfmDay $ID_MEMO2 "$(printf '予定\n会議 3F')" || fail "the editor holds $(editor_text $ID_MEMO2)"
  key ctrl+Return
  editor_closed "the day editor did not close"

  step "day copy of the 12th onto the 25th"
  focus_velda
  point_at 12
  xdotool click 3
  drv wait '#32768' 5000 || fail "no pop-up menu"
  shot popup-menu
  key c
  sleep 0.5
  drv clip-get | tr -d '\r' | head -1 | grep -qx -- '--- Velda&Velka \[DayCopy\] ---' || fail "no day copy on the clipboard"
  point_at 25
  xdotool click 3
  drv wait '#32768' 5000 || fail "no pop-up menu on the 25th"
  key p
  for _ in $(seq 50); do grep -q 'Lunch' "$june" && break; sleep 0.1; done
  [ "$(lines_of "$june" | grep '^25,')" = "$(printf '%s\n' '25,1,,既存の予定,,,,,,' \
    '25,1,,Dentist 9:00,clRed,,,,,' '25,2,,Lunch with Ken,,,,,,')" ] \
    || fail "the 25th after the paste: $(lines_of "$june" | grep '^25,')"

  step "a day pasted onto a neighbour-month cell is drawn there"
  focus_velda
  point_at 32  # 2 July, in June's last row
  xdotool click 3
  drv wait '#32768' 5000 || fail "no pop-up menu on 2 July"
  key p
  drv expect-month "2030年7月" || fail "the grid did not follow to July"
  red_drawn 2 || fail "the pasted red line is not drawn on 2 July"
  on_disk "$prog/Data/Files1/Ca203007.kdf" ' 2,1,,Dentist 9:00,clRed,,,,,' || fail "the paste is not in July's file"
  shot neighbour-paste
  drv enter-month 203006 || fail "entry box"
  drv expect-month "2030年6月" || fail "June 2030 not shown"

  step "foreign clipboard text is refused"
  drv clip-set "$(hex 'hello from another program')" || fail "clipboard"
  focus_velda
  point_at 26
  xdotool click 3
  drv wait '#32768' 5000 || fail "no pop-up menu on the 26th"
  key p
  expect_box "クリップボードのデータは、貼り付けに適するデータではありません。\r\nこの貼付は中止いたします。"
  focus_velda
  point_at 26
  xdotool click 3
  drv wait '#32768' 5000 || fail "no pop-up menu on the 26th"
  key p  # greyed now: the menu stays open and nothing is pasted
  sleep 1
  [ "$(drv count '#32770' | tr -d '\r')" = 0 ] || fail "the paste item was still enabled"
  key Escape

  step "a special day from the pop-up menu"
  focus_velda
  point_at 7
  xdotool click 3
  drv wait '#32768' 5000 || fail "no pop-up menu on the 7th"
  key k
  drv wait TfmDay 10000 || fail "no special-day editor"
  focus_editor
  type_checked $ID_KINENBI "創立記念日"
  key ctrl+Return
  editor_closed "the special-day editor did not close"
  lines_of "$prog/Data/Sday.kdf" | grep -qx ',,6,7,,,創立記念日' \
    || { lines_of "$prog/Data/Sday.kdf"; fail "the special day as written"; }

  step "close: the files"
  drv close TfmC21 30000 || fail "close"
  wait_exit
  [ "$(lines_of "$june")" = "$(printf '%s\n' ' 0,0,9,2030/ 6 [Data\Files1\]' \
    '25,1,,既存の予定,,,,,,' '12,1,,Dentist 9:00,clRed,,,,,' '12,2,,Lunch with Ken,,,,,,' \
    '14,1,,予定,,,,,,' '14,2,,会議 3F,,,,,,' \
    '25,1,,Dentist 9:00,clRed,,,,,' '25,2,,Lunch with Ken,,,,,,')" ] || { lines_of "$june"; fail "June 2030 as written"; }
  LC_ALL=C grep -q $'^14,2,,\x89\xef\x8b\x63 3F,,,,,,\r$' "$june" || fail "会議 not stored as Shift-JIS"
  lines_of "$files1/CaFromTo.kdf" | grep -Eqx \
    '2030, 6, 3,E,2030, 6, 5,M,2030, 6, 4,1,clBlue,大阪出張 Osaka,[^,]+,,,,,' \
    || { lines_of "$files1/CaFromTo.kdf"; fail "the period line"; }

  step "restart: the entries are drawn"
  start_velda
  drv wait-child TfmC21 TSeMCal 60000 || fail "no month grid after the restart"
  drv enter-month 203006 || fail "entry box"
  drv expect-month "2030年6月" || fail "June 2030 not shown"
  red_drawn 12 || fail "the red line of the 12th is not drawn"
  red_drawn 25 || fail "the red line of the 25th is not drawn"
  [ "$(drv red-pixels 13 | tr -d '\r')" = 0 ] || fail "red on the 13th"
  shot month 0.2
  drv close TfmC21 30000 || fail "close"
  wait_exit
}

show_june() {
  drv wait-child TfmC21 TSeMCal 60000 || fail "no month grid"
  drv enter-month 203006 || fail "entry box"
  drv expect-month "2030年6月" || fail "June 2030 not shown"
}

open_day() {
  focus_velda
  point_at "$1"
  xdotool click --repeat 2 --delay 80 1
  drv wait TfmDay 10000 || fail "no day editor for the $1th"
  focus_editor
}

on_disk() {
  for _ in $(seq 50); do lines_of "$1" | grep -qxF -- "$2" && return 0; sleep 0.1; done
  return 1
}

nothing_lost() {
  local files1=$prog/Data/Files1
  local june=$files1/Ca203006.kdf periods=$files1/CaFromTo.kdf
  mkdir -p "$files1" "$prog/Data/Files2" "$work/shots"
  sjis "$june" ' 0,0,9,2030/ 6 [Data\Files1\]' '25,1,,既存の予定,,,,,,'
  # Written before reversed periods were refused: from the 14th back to the 10th.
  sjis "$periods" '***** FromTo予定 [Data\Files1\]' \
    '2030, 6,14,A,2030, 6,10,A,2030, 6,12,1,clRed,逆の期間,PC01,,,,,'

  step "a confirmed entry is on disk at once; then the process is ended from outside"
  no_other_velda
  start_velda
  show_june
  open_day 17
  type_checked $ID_MEMO2 "Crash test"
  key ctrl+r
  key ctrl+Return
  editor_closed "Ctrl+Enter did not close the day editor"
  on_disk "$june" '17,1,,Crash test,clRed,,,,,' || { lines_of "$june"; fail "the entry is not on disk before any close"; }
  drv kill TfmC21 || fail "could not end Velda.exe from outside"
  wait_exit
  start_velda
  show_june
  red_drawn 17 || fail "the entry of the 17th is not drawn after the restart"

  step "Esc and No: the editor stays in front with its text"
  open_day 18
  type_checked $ID_MEMO2 "Esc test"
  key Escape
  local text
  text=$(drv box-text 10000 | tr -d '\r') || fail "no question after Esc"
  [ "$text" = "キャンセルしますか？" ] || fail "unexpected box: $text"
  drv answer no || fail "could not answer"
  drv wait TfmDay 5000 || fail "the editor went away after No"
  sleep 0.5
  case $(drv focus TfmDay | tr -d '\r') in
    active=TfmDay*) ;;
    *) fail "the editor is not the active window after No: $(drv focus TfmDay)" ;;
  esac
  [ "$(editor_text $ID_MEMO2)" = "Esc test" ] || fail "the text changed: $(editor_text $ID_MEMO2)"
  shot esc-no
  focus_editor
  type_checked $ID_MEMO2 " more"
  key ctrl+Return
  editor_closed "the editor did not close after Esc and No"
  on_disk "$june" '18,1,,Esc test more,,,,,,' || fail "the text typed around Esc and No was lost"
  focus_velda
  key ctrl+k; drv expect-month "2030年7月" || fail "Ctrl+K after the editor"
  key ctrl+j; drv expect-month "2030年6月" || fail "Ctrl+J after the editor"

  step "a character Shift-JIS cannot hold is named; the editor stays open"
  open_day 19
  drv clip-set "$(hex '絵文字😀')" || fail "clipboard"
  key ctrl+v
  holds_text TfmDay $ID_MEMO2 '絵文字😀' || fail "the editor holds $(editor_text $ID_MEMO2)"
  key ctrl+Return
  expect_box "Shift-JIS で保存できない文字があるため、保存しませんでした。\r\n保存すると「?」に変わってしまいます。次の文字を消すか、\r\nほかの文字に置き換えてから、もう一度保存してください。\r\n\r\n　「😀」　1行目 4文字目"
  drv wait TfmDay 5000 || fail "the editor closed with the emoji"
  focus_editor
  # Wine's RichEdit takes back half of a surrogate pair per BackSpace:
  # the line is replaced instead.
  drv clip-set "$(hex '絵文字')" || fail "clipboard"
  key ctrl+a; key ctrl+v
  holds_text TfmDay $ID_MEMO2 '絵文字' || fail "the editor holds $(editor_text $ID_MEMO2)"
  key ctrl+Return
  editor_closed "the editor did not close"
  on_disk "$june" '19,1,,絵文字,,,,,,' || fail "the corrected entry"
  LC_ALL=C grep -q '?' "$june" && fail "a ? was stored"

  step "a period edited to end before it starts is refused"
  focus_velda
  point_at 3 3
  xdotool keydown alt mousedown 1
  point_at 4 2; sleep 0.2
  point_at 5 1; sleep 0.3
  xdotool mouseup 1 keyup alt
  drv wait TfmDay 10000 || fail "no period editor after the Alt-drag"
  drv set-text TfmDay $ID_DAY2 "$(hex 1)" || fail "could not set the end day"
  focus_editor
  key ctrl+Return
  expect_box "初めと終わりが逆です。"
  drv wait TfmDay 5000 || fail "the period editor closed on a reversed period"
  [ "$(editor_text $ID_DAY2)" = 1 ] || fail "the page changed"
  focus_editor
  key Escape
  drv box-text 10000 >/dev/null || fail "no question after Esc"
  drv answer yes
  editor_closed "the period editor did not close"
  [ "$(lines_of "$periods" | wc -l)" = 2 ] || { lines_of "$periods"; fail "a line was added"; }

  step "the reversed line of old is drawn on its start day and can be deleted"
  red_drawn 14 || fail "the reversed period is not drawn on the 14th"
  [ "$(drv red-pixels 10 | tr -d '\r')" = 0 ] || fail "red on the 10th"
  local xy
  xy=$(drv red-point 14 | tr -d '\r') || fail "no bar on the 14th"
  focus_velda
  xdotool mousemove ${xy% *} $(( ${xy#* } + 1 ))
  xdotool click 1
  sleep 0.5
  xdotool click 3
  drv wait '#32768' 5000 || fail "no pop-up menu on the bar"
  shot delete-menu
  key d
  expect_box "この予定を削除してもいいですか？" yes
  for _ in $(seq 50); do lines_of "$periods" | grep -q '逆の期間' || break; sleep 0.1; done
  lines_of "$periods" | grep -q '逆の期間' && fail "the reversed line is still there"

  step "a close from outside while the editor holds changed text"
  open_day 20
  type_checked $ID_MEMO2 "Close test"
  drv post-close TfmC21 || fail "could not ask for the close"
  expect_box "予定を編集中です。\r\n書き込んでから、楓帳を終了しますか？" no
  drv wait TfmDay 5000 || fail "the editor closed after No"
  [ "$(drv count TfmC21 | tr -d '\r')" = 1 ] || fail "the main window went after No"
  [ "$(editor_text $ID_MEMO2)" = "Close test" ] || fail "the text changed"
  drv post-close TfmC21 || fail "could not ask for the close"
  drv box-text 10000 >/dev/null || fail "no question at the second close"
  drv answer yes
  wait_exit
  on_disk "$june" '20,1,,Close test,,,,,,' || fail "the text of the editor closed from outside"

  step "the end of the Windows session with the editor open"
  start_velda
  show_june
  open_day 21
  type_checked $ID_MEMO2 "Session end"
  key ctrl+r
  [ "$(drv end-session TfmC21 | tr -d '\r')" = yes ] || fail "the session end was refused"
  wait_exit
  on_disk "$june" '21,1,,Session end,clRed,,,,,' || { lines_of "$june"; fail "the text of the editor at the session end"; }
  grep -q 'vCalGyou=' "$prog/Velda.ini" || fail "the settings were not saved at the session end"
  [ "$(lines_of "$june" | grep -c '^1[78],1,,')" = 2 ] || fail "an entry was stored twice"
  start_velda
  show_june
  red_drawn 21 || fail "the entry of the session end is not drawn after the restart"
  drv close TfmC21 30000 || fail "close"
  wait_exit
}

# Command ids of the main window (shell/commands.h) and of the alarm
# window (editors/alarm_window_win.h).
CMD_RUNLOG=1204 CMD_TRAY_OPEN=1602 ID_ALARM_EDIT_HOUR=104 ID_ALARM_ONOFF=115 ID_ALARM_HOUR0=200 ID_ALARM_MIN0=230

hidden_but_running() {
  drv gone TfmC21 15000 || fail "$1"
  kill -0 "$velda_pid" 2>/dev/null || fail "Velda.exe ended instead: $1"
  [ "$(drv count TfmC21 | tr -d '\r')" = 1 ] || fail "the main window is gone: $1"
}

restored() {
  drv command TfmC21 $CMD_TRAY_OPEN || fail "could not send 開く"
  drv wait TfmC21 10000 || fail "開く did not bring the window back"
}

resident() {
  local files1=$prog/Data/Files1
  mkdir -p "$files1" "$prog/Data/Files2" "$work/shots"
  sjis "$files1/Ca$ym.kdf" "$(printf ' 0,0,9,%4d/%2d [Data\\Files1\\]' "$year" "$month")" '15,1,,給料日,,,,,,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'
  printf '[Settei]\r\ncbKidouKiroku=1\r\n' > "$prog/Velda.ini"
  cp -a "$files1" "$work/before"

  step "/J02: resident two seconds after the first activation"
  no_other_velda
  start_velda /J02
  drv wait-child TfmC21 TSeMCal 60000 || fail "no month grid"
  hidden_but_running "the countdown did not hide the window"
  shot 1-resident

  step "the tray icon: its menu, then a click brings the window back"
  local tray
  for _ in $(seq 50); do tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -1 || true); [ -n "$tray" ] && break; sleep 0.2; done
  [ -n "$tray" ] || fail "no notification area with the icon"
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  xdotool mousemove $((X + 10)) $((Y + 10)) click 3
  drv wait '#32768' 5000 || fail "no tray menu"
  shot 1b-tray-menu
  key c
  drv gone '#32768' 5000 || fail "キャンセル left the tray menu open"
  hidden_but_running "キャンセル showed the window"
  xdotool mousemove $((X + 10)) $((Y + 10)) click 1
  drv wait TfmC21 10000 || fail "a click on the icon did not bring the window back"

  step "Ctrl+F12 hides and brings back; the 常駐 button and the tray's 開く"
  focus_velda
  key ctrl+F12
  hidden_but_running "Ctrl+F12 did not hide the window"
  key ctrl+F12
  drv wait TfmC21 10000 || fail "Ctrl+F12 did not bring the hidden window back"
  drv click TfmC21 "常駐" || fail "no 常駐 button"
  hidden_but_running "the 常駐 button did not hide the window"
  restored

  step "the alarm: armed in its window, then the close asks"
  local hour=$(( (10#$(date +%H) + 3) % 24 ))
  drv click TfmC21 "時限" || fail "no 時限 button"
  drv wait TfmNichiji 10000 || fail "no alarm window"
  drv command TfmNichiji $((ID_ALARM_HOUR0 + hour)) || fail "hour button"
  drv command TfmNichiji $ID_ALARM_MIN0 || fail "minute button"
  drv click TfmNichiji "タイマー開始(&G)" || fail "no start button"
  holds_text TfmNichiji $ID_ALARM_ONOFF "タイマー中止(&G)" || fail "the alarm was not armed: $control"
  shot 2-alarm
  drv click TfmNichiji "閉じる(&X)" || fail "no close button"
  drv gone TfmNichiji 10000 || fail "the alarm window stays"
  drv idle TfmC21 || fail "the main window does not answer"
  shot 3-alarm-armed-button
  drv post-close TfmC21 || fail "could not ask for the close"
  expect_box "タイマーが作動中ですが、終了してもよろしいですか。" no
  expect_box "終了しません。"
  kill -0 "$velda_pid" 2>/dev/null || fail "No to the alarm question ended the program"

  step "the run-time log in its viewer"
  drv command TfmC21 $CMD_RUNLOG || fail "could not open the run log"
  drv wait TfmTextPage 10000 || fail "no run-log viewer"
  shot 4-runlog
  drv close TfmTextPage 10000 || fail "the viewer stays"

  step "close with the alarm armed: Yes ends"
  drv post-close TfmC21 || fail "could not ask for the close"
  expect_box "タイマーが作動中ですが、終了してもよろしいですか。" yes
  wait_exit
  grep -q "pTimer=$hour:00" "$prog/Velda.ini" || fail "the alarm time was not kept: $(grep pTimer "$prog/Velda.ini")"

  step "an alarm due in 3 min 20 s with the 3-minute warning: the display window opens"
  start_velda
  drv wait-child TfmC21 TSeMCal 60000 || fail "no month grid"
  local due
  due=$(date -d '+200 seconds' '+%-H %-M %-S')
  drv click TfmC21 "時限" || fail "no 時限 button"
  drv wait TfmNichiji 10000 || fail "no alarm window"
  holds_text TfmNichiji $ID_ALARM_ONOFF "タイマー開始(&G)" || fail "the alarm is armed after a restart: $control"
  local field=$ID_ALARM_EDIT_HOUR part
  for part in $due; do
    drv set-text TfmNichiji $field "$(hex "$part")" || fail "could not set the time"
    field=$((field + 2))
  done
  drv click TfmNichiji "タイマー開始(&G)" || fail "no start button"
  holds_text TfmNichiji $ID_ALARM_ONOFF "タイマー中止(&G)" || fail "the alarm was not armed at $due: $control"
  drv click TfmNichiji "閉じる(&X)" || fail "no close button"
  drv gone TfmNichiji 10000 || fail "the alarm window stays"
  drv wait TfmNichiji 60000 || fail "the alarm did not open its display window"
  shot 5-alarm-display 1
  drv click TfmNichiji "閉じる(&X)" || fail "no close button on the display window"
  drv gone TfmNichiji 10000 || fail "the display window stays"
  drv close TfmC21 30000 || fail "close after the alarm"
  wait_exit
  lines_of "$prog/Data/VeldaSte.kdl" | grep -q '^S:' || fail "no start in the run log"
  lines_of "$prog/Data/VeldaSte.kdl" | grep -q '^E:' || fail "no end in the run log"
  cmp "$work/before/Ca$ym.kdf" "$files1/Ca$ym.kdf" || fail "this month changed"
}

# Ids of the memo and search windows (editors/memo_window_win.h,
# editors/search_window_win.h) and the main window's memo commands.
ID_MEMO1=100 ID_SEARCH_BOX=502 CMD_USAGE=1206 CMD_MEMO=1207

memo_search() {
  local files1=$prog/Data/Files1 old_ym
  old_ym=$(date -d "$year-$month-15 -2 year" +%Y%m)
  mkdir -p "$files1" "$prog/Data/Files2" "$work/shots"
  sjis "$files1/Ca$ym.kdf" "$(printf ' 0,0,9,%4d/%2d [Data\\Files1\\]' "$year" "$month")" '15,1,,給料日,,,,,,'
  sjis "$files1/Ca$old_ym.kdf" "$(printf ' 0,0,9,%4d/%2d [Data\\Files1\\]' "${old_ym:0:4}" "$((10#${old_ym:4}))")" \
    ' 7,1,,箱根で打合せ Hakone,,,,,,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'

  step "Ctrl+F lists every month; 検索 finds the entry two years back"
  no_other_velda
  start_velda
  drv wait-child TfmC21 TSeMCal 60000 || fail "no month grid"
  focus_velda
  key ctrl+f
  expect_box "検索データが見あたりません。\n新しい検索データを作ります。"
  drv wait TfmKensaku 30000 || fail "no search window"
  drv set-text TfmKensaku $ID_SEARCH_BOX "$(hex Hakone)" || fail "could not fill the search box"
  drv click TfmKensaku "検索" || fail "no 検索 button"
  local line=
  for _ in $(seq 30); do
    line=$(drv caret-line TfmKensaku $ID_MEMO1 | tr -d '\r')
    case $line in *Hakone*) break ;; esac
    sleep 0.2
  done
  case $line in
    *箱根で打合せ\ Hakone*) ;;
    *) fail "the caret line holds: $line" ;;
  esac
  shot 1-search
  drv click TfmKensaku "閉じる" || fail "no 閉じる button"
  drv gone TfmKensaku 10000 || fail "the search window stays"
  lines_of "$files1/kensaku.txt" | grep -q 'Hakone' || fail "kensaku.txt does not hold the entry"

  step "the memo: typed, closed with F2, kept over a restart"
  drv command TfmC21 $CMD_MEMO || fail "could not open the memo"
  drv wait TfmMemo 10000 || fail "no memo window"
  expect_box "メモファイルが見あたりません。\n新しいメモファイルを作ります。"
  focus_name 'CaMemo.kdf'
  type_checked $ID_MEMO1 "Shopping list" TfmMemo
  shot 2-memo
  key F2
  drv gone TfmMemo 10000 || fail "F2 did not close the memo"
  lines_of "$prog/Data/CaMemo.kdf" | grep -q '^Shopping list$' || fail "the memo was not written"
  drv close TfmC21 30000 || fail "close"
  wait_exit
  start_velda
  drv wait-child TfmC21 TSeMCal 60000 || fail "no month grid after the restart"
  drv command TfmC21 $CMD_MEMO || fail "could not open the memo again"
  drv wait TfmMemo 10000 || fail "no memo window after the restart"
  holds_text TfmMemo $ID_MEMO1 "Shopping list" || fail "the memo holds: $control"

  step "the usage guide, read-only"
  drv command TfmC21 $CMD_USAGE || fail "could not switch to the usage guide"
  for _ in $(seq 30); do read_control TfmMemo $ID_MEMO1; case $control in 楓帳\ -Velda-　使用法*) break ;; esac; sleep 0.2; done
  case $control in 楓帳\ -Velda-　使用法*) ;; *) fail "not the usage guide: ${control:0:40}" ;; esac
  shot 3-usage
  drv close TfmC21 30000 || fail "close with the memo window open"
  wait_exit
  lines_of "$prog/Data/CaMemo.kdf" | grep -q '^Shopping list$' || fail "the memo changed"
}

CMD_OPTIONS=1304

options() {
  local files1=$prog/Data/Files1
  mkdir -p "$files1" "$prog/Data/Files2" "$work/shots"
  # Three memo lines: the first sits in the band the red count leaves out.
  sjis "$files1/Ca203006.kdf" ' 0,0,9,2030/ 6 [Data\Files1\]' '25,1,,既存の予定,,,,,,' '77,1,,月メモ MEMO,,,,,,' \
    '77,2,,二行目 Second line,,,,,,' '77,3,,三行目 Third line,,,,,,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'
  # Entries and the month memo in red, to be seen on the screen.
  printf '[Option]\r\nedtCYotei=$000000FF\r\n' > "$prog/Velda.ini"

  step "the month memo is off: nothing in its place (3 July, June's last row)"
  no_other_velda
  start_velda
  show_june
  [ "$(drv red-pixels 33 | tr -d '\r')" = 0 ] || fail "red where the month memo would be"

  step "オプション設定: 月メモをＯｎ, OK"
  drv command TfmC21 $CMD_OPTIONS || fail "could not open the options"
  drv wait TfmOption 10000 || fail "no options window"
  shot 1-options
  drv click TfmOption "月メモをＯｎ" || fail "no 月メモをＯｎ"
  drv click TfmOption "OK" || fail "no OK"
  drv gone TfmOption 10000 || fail "the options window stays"
  red_drawn 33 || fail "the month memo is not drawn after OK"
  shot 2-month-memo
  drv close TfmC21 30000 || fail "close"
  wait_exit
  grep -q 'cbTukiMemo=1' "$prog/Velda.ini" || fail "cbTukiMemo=1 not in Velda.ini"
}

# The second computer: its own Wine prefix (its own desktop), its own
# program folder and name.
prefix2=$(cd "$(dirname "$velda")/../.." && pwd)/wineprefix-pc2
drv2() { WINEPREFIX=$prefix2 drv "$@"; }

net_settings() {  # FILE LEFT TOP SHARED
  printf '[Settei]\r\ncbNet=1\r\nvNet_flg=1\r\nrbNetKoushin=1\r\nedtNetFolder=%s\r\nHyoujiIchi=1\r\nfmC21Left=%s\r\nfmC21Top=%s\r\n' \
    "$4" "$2" "$3" > "$1"
}

network() {
  local shared=$work/shared prog2=$work/prog2 june
  june=$shared/Data/Files1/Ca203006.kdf
  local shared_win="Z:${shared//\//\\}\\"
  mkdir -p "$shared/Data/Files1" "$prog/Data/Files1" "$work/shots"
  sjis "$june" ' 0,0,9,2030/ 6 [Data\Files1\]' '25,1,,既存の予定,,,,,,'
  sjis "$shared/Data/Files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'
  # An office's counter has run for a while; a poll finding none would make it.
  printf '7\r\n' > "$shared/update.kdf"
  cp -a "$prog" "$prog2"
  net_settings "$prog/Velda.ini" 0 0 "$shared_win"
  net_settings "$prog2/Velda.ini" 250 270 "$shared_win"
  # A new prefix takes minutes on a busy machine: not inside a box's wait.
  WINEPREFIX=$prefix2 "$wine_run" --prepare

  step "two computers show June 2030 from the shared folder"
  no_other_velda
  VELDA_COMPUTER_NAME=PCA start_velda
  # No administration files: made by "初期データフォルダ作成", not here.
  local no_admin="ネット管理ファイル[${shared_win}velnet.kdf]がありません。"
  local text
  text=$(drv box-text 60000 | tr -d '\r') || fail "no box at the start of the first"
  [ "$text" = "$no_admin" ] || fail "PCA was told at start: $text"
  drv answer ok
  show_june
  (cd "$prog2" && VELDA_COMPUTER_NAME=PCB WINEPREFIX=$prefix2 exec "$wine_run" "$prog2/Velda.exe") &
  velda2_pid=$!
  text=$(drv2 box-text 120000 | tr -d '\r') || fail "no box on the second"
  [ "$text" = "$no_admin" ] || fail "PCB was told at start: $text"
  drv2 answer ok
  drv2 wait-child TfmC21 TSeMCal 120000 || fail "no second computer"
  drv2 enter-month 203006 || fail "entry box of the second"
  drv2 expect-month "2030年6月" || fail "June 2030 not shown on the second"

  step "PCA edits the 10th; PCB is refused at once, naming PCA"
  open_day 10
  [ -e "$shared/Data/Files1/Ca203006.lock" ] || fail "no month lock while PCA edits"
  drv2 front TfmC21 || fail "could not raise the second"
  local xy
  xy=$(drv2 day-point 10 2 | tr -d '\r') || fail "no 10th on the second"
  xdotool mousemove ${xy% *} ${xy#* } click --repeat 2 --delay 80 1
  text=$(drv2 box-text 10000 | tr -d '\r') || fail "PCB was not refused"
  local refusal=$'他のコンピュータ【PCA】がデータをロックしています。\nしばらくしてから、もう一度お願いいたします。\n'
  [ "$text" = "${refusal}ロックファイル[${shared_win}Data\\Files1\\Ca203006.lock]" ] || fail "PCB was told: $text"
  shot 1-refused
  drv2 answer ok || fail "could not answer PCB's box"

  step "PCA writes a red line; the lock goes"
  focus_editor
  type_checked $ID_MEMO2 "Network test"
  key ctrl+r
  key ctrl+Return
  editor_closed "Ctrl+Enter did not close PCA's editor"
  on_disk "$june" '10,1,,Network test,clRed,,,,,' || { lines_of "$june"; fail "PCA's line is not in the shared file"; }
  [ ! -e "$shared/Data/Files1/Ca203006.lock" ] || fail "the month lock stayed"
  drv close TfmC21 30000 || fail "PCA did not close"
  wait_exit

  step "PCB's next poll draws it"
  for _ in $(seq 60); do [ "$(drv2 red-pixels 10 | tr -d '\r')" -gt 20 ] && break; sleep 0.5; done
  [ "$(drv2 red-pixels 10 | tr -d '\r')" -gt 20 ] || fail "PCB did not show PCA's line after its poll"
  shot 2-after-poll
  drv2 close TfmC21 30000 || fail "PCB did not close"
  for _ in $(seq 300); do kill -0 "$velda2_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$velda2_pid" 2>/dev/null && fail "PCB did not end"
  velda2_pid=
  [ "$(lines_of "$june" | grep -c '^10,')" = 1 ] || fail "the 10th is not in the file once"
  [ -z "$(ls "$shared/Data/Files1/"*.lock 2>/dev/null)" ] || fail "a lock file stayed"
  [ "$(tr -d '\r\n' < "$shared/update.kdf")" = 8 ] || fail "the change counter: $(cat "$shared/update.kdf")"

  step "the lock taken away while PCA edits: nothing written, told, the edit made again"
  local lock=$shared/Data/Files1/Ca203006.lock
  VELDA_COMPUTER_NAME=PCA start_velda
  text=$(drv box-text 60000 | tr -d '\r') || fail "no box at the start of PCA"
  drv answer ok
  show_june
  open_day 12
  [ -e "$lock" ] || fail "no month lock while PCA edits"
  # すべてのロックを解除 on another computer, which then takes the month.
  printf 'PCB\r\n' > "$lock"
  focus_editor
  type_checked $ID_MEMO2 "Lock test"
  key ctrl+Return
  text=$(drv box-text 10000 | tr -d '\r') || fail "PCA wrote without its lock"
  local lost="ロックファイル[${shared_win}Data\\Files1\\Ca203006.lock]が、このコンピュータのものではなくなっています。"
  lost+=$'\n（メンテナンスでロックが解除されたか、他のコンピュータがロックしています。）\nデータは書き込んでいません。'
  [ "$text" = "$lost"$'\n\nデータを読み直して、入力した内容で編集をやり直しますか？' ] || fail "PCA was told: $text"
  shot 3-lock-lost
  lines_of "$june" | grep -q 'Lock test' && fail "written over the other computer's lock"
  rm "$lock"  # the other computer is done
  drv answer yes || fail "could not answer the question"
  drv wait TfmDay 10000 || fail "the editor did not open again"
  holds_text TfmDay $ID_MEMO2 "Lock test" || fail "the typed text is gone: $control"
  focus_editor
  key ctrl+Return
  editor_closed "Ctrl+Enter did not close the editor made again"
  on_disk "$june" '12,1,,Lock test,,,,,,' || { lines_of "$june"; fail "the edit made again is not in the file"; }
  [ ! -e "$lock" ] || fail "the month lock stayed after the edit made again"

  step "the stop count ends PCA with the memo it was typing saved"
  drv command TfmC21 $CMD_MEMO || fail "could not open the memo"
  drv wait TfmMemo 10000 || fail "no memo window"
  expect_box "メモファイルが見あたりません。\n新しいメモファイルを作ります。"
  focus_name 'CaMemo.kdf'
  type_checked $ID_MEMO1 "Typed before the stop" TfmMemo
  printf '999000001\r\n' > "$shared/update.kdf"
  for _ in $(seq 300); do kill -0 "$velda_pid" 2>/dev/null || break; sleep 0.1; done
  wait_exit
  lines_of "$prog/Data/CaMemo.kdf" | grep -qx 'Typed before the stop' || fail "the memo typed before the stop is lost"
  printf '9\r\n' > "$shared/update.kdf"

  step "the shared folder missing at start: the waiting window until it is back"
  mv "$shared" "$shared.away"
  VELDA_COMPUTER_NAME=PCA start_velda
  drv wait TfmNetWait 60000 || fail "no waiting window"
  shot 3-waiting 2
  mv "$shared.away" "$shared"
  drv gone TfmNetWait 20000 || fail "the waiting window did not see the folder come back"
  text=$(drv box-text 30000 | tr -d '\r') || fail "no box after the wait"
  [ "$text" = "$no_admin" ] || fail "PCA was told after the wait: $text"
  drv answer ok
  drv wait-child TfmC21 TSeMCal 30000 || fail "no month grid after the wait"
  drv close TfmC21 30000 || fail "PCA did not close after the wait"
  wait_exit
  grep -q 'vNet_flg=1' "$prog/Velda.ini" || fail "the network is not on after the wait"
}

CMD_BACKUP=1007

# The setup window's restore, both questions answered Yes; it ends the program.
restore_from_page() {  # TIMEOUT_MS
  local text
  drv click TfmSetup "①「データ回復」をオン" || fail "no restore switch"
  expect_box 'データ回復作業を行いますと、現在のデータは消去されてしまいます。\n\nデータ回復作業を行いますか？' yes
  drv click TfmSetup "← ②データ回復" || fail "no restore button"
  expect_box "データ回復を行いますか？" yes
  text=$(drv box-text "$1" | tr -d '\r') || fail "no box after the restore"
  case $text in データ回復作業を終了しました。*) ;; *) fail "the restore told: $text" ;; esac
  drv answer ok
  wait_exit
}

backup_restore() {
  local files1=$prog/Data/Files1 backup=$work/backup text
  local june=$files1/Ca203006.kdf
  mkdir -p "$files1" "$backup" "$work/shots"
  sjis "$june" ' 0,0,9,2030/ 6 [Data\Files1\]' '25,1,,既存の予定,,,,,,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'
  local backup_win="Z:${backup//\//\\}\\"
  printf '[Setup]\r\nedtCopy1=%s\r\nedtCopy3=%s\r\n' "$backup_win" "$backup_win" > "$prog/Velda.ini"
  cp "$june" "$work/june-before.kdf"

  step "バックアップ＆リストア: 退避先１ backs the data up"
  no_other_velda
  start_velda
  show_june
  drv command TfmC21 $CMD_BACKUP || fail "could not ask for the backup page"
  drv wait TfmSetup 10000 || fail "no setup window"
  shot 1-backup-page
  drv click TfmSetup "← データ退避実行" || fail "no backup button"
  text=$(drv box-text 60000 | tr -d '\r') || fail "no box after the backup"
  [ "$text" = "データ退避作業を終了しました。" ] || fail "the backup told: $text"
  drv answer ok
  cmp "$june" "$backup/Ca203006.kdf" || fail "the month was not backed up byte for byte"
  [ -e "$backup/CaFromTo.kdf" ] || fail "the period file was not backed up"
  shot 2-backed-up
  drv close TfmSetup 10000 || fail "the setup window stays"

  step "an entry written after the backup"
  open_day 10
  type_checked $ID_MEMO2 "After backup"
  key ctrl+Return
  editor_closed "Ctrl+Enter did not close the editor"
  on_disk "$june" '10,1,,After backup,,,,,,' || fail "the entry is not on disk"

  step "回復 puts the backed-up month back; the program ends"
  drv command TfmC21 $CMD_BACKUP || fail "could not ask for the backup page again"
  drv wait TfmSetup 10000 || fail "no setup window the second time"
  restore_from_page 60000
  cmp "$june" "$work/june-before.kdf" || { lines_of "$june"; fail "the month is not the backed-up one"; }
}

vanished_folder() {
  local files1=$prog/Data/Files1 text
  mkdir -p "$files1" "$work/shots"
  sjis "$files1/Ca203006.kdf" ' 0,0,9,2030/ 6 [Data\Files1\]' '25,1,,既存の予定,,,,,,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'
  cp "$files1/Ca203006.kdf" "$work/june.kdf"

  step "Data\Files1 renamed while the program runs; June 2030 asked for"
  no_other_velda
  start_velda
  drv wait-child TfmC21 TSeMCal 60000 || fail "no month grid"
  mv "$files1" "$prog/Data/Moved"
  drv enter-month 203006 || fail "entry box"
  text=$(drv box-text 20000 | tr -d '\r') || fail "no word of the missing folder"
  case $text in データフォルダ\[*\]が見つかりません。*) ;; *) fail "the box told: $text" ;; esac
  shot 1-missing
  drv answer ok
  drv expect-month "2030年6月" || fail "June 2030 not shown"
  [ ! -e "$files1" ] || fail "a fresh data folder was made"

  step "the close writes nothing; the moved folder is as it was"
  drv close TfmC21 30000 || fail "close"
  wait_exit
  [ ! -e "$files1" ] || fail "the close made a fresh data folder"
  cmp -s "$work/june.kdf" "$prog/Data/Moved/Ca203006.kdf" || fail "the moved month changed"
}

# Ctrl+F, the word typed, 検索: the caret line must hold the word. The
# listing of fifty years must come well within the wait, the second time
# in a session as the first.
search_once() {  # ROUND WORD
  local started line=
  focus_velda
  key ctrl+f
  [ "$1" = 1 ] && expect_box "検索データが見あたりません。\n新しい検索データを作ります。"
  drv wait TfmKensaku 30000 || fail "no search window ($1)"
  drv set-text TfmKensaku $ID_SEARCH_BOX "$(hex "$2")" || fail "could not fill the search box ($1)"
  started=$(date +%s%N)
  drv click TfmKensaku "検索" || fail "no 検索 button ($1)"
  for _ in $(seq 100); do
    line=$(drv caret-line TfmKensaku $ID_MEMO1 | tr -d '\r')
    case $line in *"$2"*) break ;; esac
    sleep 0.2
  done
  case $line in *"$2"*) ;; *) fail "round $1: the caret line holds: $line" ;; esac
  echo "    round $1: caret on the hit $(( ($(date +%s%N) - started) / 1000000 )) ms after 検索"
  shot "$1-search"
  drv click TfmKensaku "閉じる" || fail "no 閉じる button ($1)"
  drv gone TfmKensaku 20000 || fail "the search window stays ($1)"
}

working_set() { drv memory TfmC21 | tr -d '\r' | sed -n 's/.*working_set_kb=\([0-9]*\).*/\1/p'; }

fifty_years() {
  local files1=$prog/Data/Files1 backup=$work/backup text name
  mkdir -p "$files1" "$backup" "$work/shots"
  [ -n "$dataset" ] || fail "no velda-dataset.exe given"
  step "the working set with one month of data"
  sjis "$files1/Ca$ym.kdf" "$(printf ' 0,0,9,%4d/%2d [Data\\Files1\\]' "$year" "$month")" '15,1,,給料日,,,,,,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'
  no_other_velda
  start_velda
  drv wait-child TfmC21 TSeMCal 60000 || fail "no month grid"
  drv idle TfmC21 || fail "the main window does not answer"
  local one_month
  one_month=$(working_set)
  echo "    one month: working set $one_month KB"
  drv close TfmC21 30000 || fail "close"
  wait_exit
  rm -f "$files1"/*
  LC_ALL=C.UTF-8 "$wine_run" "$dataset" "Z:${files1//\//\\}" "Z:${prog//\//\\}\\Data" 50 1977 | tr -d '\r' \
    || fail "the data set was not written"
  [ "$(ls "$files1" | grep -c '^Ca[0-9]\{6\}\.kdf$')" = 600 ] || fail "not 600 month files"
  local backup_win="Z:${backup//\//\\}\\"
  printf '[Setup]\r\nedtCopy1=%s\r\nedtCopy3=%s\r\n' "$backup_win" "$backup_win" > "$prog/Velda.ini"
  cp -r "$files1" "$work/files1-before"

  step "a word found only in 1985, searched twice in one session"
  no_other_velda
  start_velda
  drv wait-child TfmC21 TSeMCal 60000 || fail "no month grid"
  drv idle TfmC21 || fail "the main window does not answer"
  local loaded searched
  loaded=$(working_set)
  search_once 1 楓の記念植樹
  search_once 2 楓の記念植樹
  searched=$(working_set)
  echo "    fifty years: working set $loaded KB at the start, $searched KB after the searches"

  step "the backup holds every month of the fifty years byte for byte"
  drv command TfmC21 $CMD_BACKUP || fail "could not ask for the backup page"
  drv wait TfmSetup 10000 || fail "no setup window"
  drv click TfmSetup "← データ退避実行" || fail "no backup button"
  text=$(drv box-text 120000 | tr -d '\r') || fail "no box after the backup"
  [ "$text" = "データ退避作業を終了しました。" ] || fail "the backup told: $text"
  drv answer ok
  for name in $(cd "$work/files1-before" && ls Ca*.kdf); do
    cmp -s "$work/files1-before/$name" "$backup/$name" || fail "$name is not in the backup as it was"
  done
  cmp -s "$files1/CaFromTo.kdf" "$backup/CaFromTo.kdf" || fail "the period file was not backed up"

  step "回復 from it: the program ends and every month is as it was"
  restore_from_page 120000
  for name in $(cd "$work/files1-before" && ls Ca*.kdf); do
    cmp -s "$work/files1-before/$name" "$files1/$name" || fail "$name changed by the restore"
  done
}

high_dpi() {
  local files1=$prog/Data/Files1
  local june=$files1/Ca203006.kdf
  mkdir -p "$files1" "$work/shots"
  sjis "$june" ' 0,0,9,2030/ 6 [Data\Files1\]' '25,1,,既存の予定,,,,,,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'

  step "at 144 DPI: double-click the 10th, type, Ctrl+Enter"
  no_other_velda
  start_velda
  show_june
  shot 1-main-144 1
  open_day 10
  shot 2-editor-144
  type_checked $ID_MEMO2 "High DPI"
  key ctrl+Return
  editor_closed "Ctrl+Enter did not close the editor"
  on_disk "$june" '10,1,,High DPI,,,,,,' || { lines_of "$june"; fail "the entry is not on disk"; }
  shot 3-written-144
  drv close TfmC21 30000 || fail "close"
  wait_exit
}

ID_SETUP_FOLDER=208

install() {
  local target=$work/installed text
  local target_win="Z:${target//\//\\}\\"
  mkdir -p "$work/shots"
  # The folder a self-extracting archive unpacked into: its marker says so.
  printf '[Set]\r\nFirst=1\r\n' > "$prog/localfol.kdf"
  sjis "$prog/CaFromTo.kdf" '***** FromTo予定 [Files1]'
  step "the first start's question: Yes opens the setup window on its Setup page"
  no_other_velda
  start_velda
  text=$(drv box-text 60000) || fail "no setup question"
  case $text in *"のセットアップを行いますか？"*) ;; *) fail "unexpected box: $text" ;; esac
  drv answer yes || fail "could not answer"
  drv wait TfmSetup 30000 || fail "no setup window"
  drv click TfmSetup "セットアップの場所を自由に設定" || fail "no free folder choice"
  drv set-text TfmSetup $ID_SETUP_FOLDER "$(hex "$target_win")" || fail "no setup folder field"
  shot 1-setup-page

  step "開始 installs into a new folder and starts the installed copy"
  drv click TfmSetup "開始" || fail "no start button"
  expect_box "セットアップを開始してよろしいですか？" yes
  text=$(drv box-text 120000 | tr -d '\r') || fail "no box at the end of the setup"
  [ "$text" = "楓帳のセットアップが終了しました。" ] || fail "the setup told: $text"
  drv answer ok
  text=$(drv box-text 30000 | tr -d '\r') || fail "no box before the restart"
  case $text in 現在起動中の楓帳を終了させ、*) ;; *) fail "before the restart: $text" ;; esac
  drv answer ok
  wait_exit
  [ -f "$target/Velda.exe" ] || fail "no Velda.exe in the setup folder"
  [ -d "$target/Data/Files1" ] || fail "no data folder in the setup folder"

  step "the installed copy offers to delete the work folder: No"
  drv wait TfmSakujo 60000 || fail "no clean-up question in the installed copy"
  shot 2-cleanup
  drv click TfmSakujo "「いいえ」削除しません(&N)" || fail "no No button"
  drv wait-child TfmC21 TSeMCal 60000 || fail "the installed copy shows no month"
  [ -f "$prog/Velda.exe" ] || fail "the work folder was deleted"
  shot 3-installed-running
  drv close TfmC21 30000 || fail "the installed copy did not close"
  for _ in $(seq 100); do [ "$(drv count TfmC21 | tr -d '\r')" = 0 ] && break; sleep 0.2; done
  [ "$(drv count TfmC21 | tr -d '\r')" = 0 ] || fail "the installed copy still runs"
  grep -q 'yDataForm=2' "$target/Velda.ini" || fail "the installed copy did not keep data format 2"
}

CMD_COMMEMORATION=1310

# The removal's code box on the commemoration page and the entry boxes of
# the commemoration-day table (settings/*_page_win.cpp).
ID_DELETE_CODE=116 ID_TABLE_MONTH=108 ID_TABLE_DAY=110 ID_TABLE_TEXT=116 CMD_SPECIAL_DAY_TABLE=1311

commemoration() {
  local files1=$prog/Data/Files1
  local june=$files1/Ca203006.kdf cmr=$files1/Ca203006.cmr
  mkdir -p "$files1" "$work/shots"
  sjis "$june" ' 0,0,9,2030/ 6 [Data\Files1\]' '25,1,,既存の予定,,,,,,'
  sjis "$cmr" ' 0,0,9,2030/ 6 [Data\Files1\]' '21,1,,夏至の日,clRed,,,,1001,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'
  cp "$june" "$work/june-before.kdf"

  step "かえで記念機能: the commemoration file read into June"
  no_other_velda
  start_velda
  show_june
  drv command TfmC21 $CMD_COMMEMORATION || fail "could not open the commemoration page"
  drv wait TfmSetup 10000 || fail "no commemoration page"
  drv click TfmSetup "「読込」をＯＮ" || fail "no import switch"
  expect_box "予定データは退避（バックアップ）されましたでしょうか？" yes
  drv click TfmSetup "予定追加読込" || fail "no import button"
  expect_box "かえで記念日の予定を読み込みますか？" yes
  expect_box "1 件（ファイル単位）読み込みました。"
  lines_of "$june" | grep -q '^21,.*夏至の日' || { lines_of "$june"; fail "the entry was not imported"; }
  [ ! -e "$cmr" ] || fail "the commemoration file stayed after the import"
  shot 1-imported
  drv click TfmSetup "適用(&W)" || fail "no apply button"
  drv gone TfmSetup 10000 || fail "the page stays"
  drv enter-month 203006 || fail "entry box"
  drv expect-month "2030年6月" || fail "June 2030 not shown after the import"
  red_drawn 21 || fail "the imported entry is not drawn in its colour"
  shot 2-imported-month

  step "かえで記念機能: the imported entries removed by their code"
  drv command TfmC21 $CMD_COMMEMORATION || fail "could not open the commemoration page again"
  drv wait TfmSetup 10000 || fail "no commemoration page"
  drv click TfmSetup "「削除」をＯＮ" || fail "no removal switch"
  expect_box "予定データは退避（バックアップ）されましたでしょうか？" yes
  drv set-text TfmSetup $ID_DELETE_CODE "$(hex 1001)" || fail "no code box"
  drv click TfmSetup "削除開始" || fail "the removal button is not there or greyed"
  expect_box "かえで記念日の予定の内、削除コード[1001]を削除しますか？" yes
  expect_box "1 件（ファイル単位）削除しました。"
  cmp "$work/june-before.kdf" "$june" || { lines_of "$june"; fail "June is not as it was before the import"; }
  drv click TfmSetup "適用(&W)" || fail "no apply button"
  drv gone TfmSetup 10000 || fail "the page stays"
  drv enter-month 203006 || fail "entry box"
  drv expect-month "2030年6月" || fail "June 2030 not shown after the removal"
  red_drawn 21 && fail "the removed entry is still drawn"
  shot 3-removed-month

  step "記念日等一括編集: a rule added in the table is drawn on the grid"
  drv command TfmC21 $CMD_SPECIAL_DAY_TABLE || fail "could not open the table"
  drv wait TfmSetup 10000 || fail "no table page"
  drv click TfmSetup "追加場所検索(&S)" || fail "no button to find a free row"
  expect_box "形式を指定して、必要事項を記入してください。\r\n「記念日等」は必須です。"
  drv set-text TfmSetup $ID_TABLE_MONTH "$(hex 6)" || fail "no month box"
  drv set-text TfmSetup $ID_TABLE_DAY "$(hex 20)" || fail "no day box"
  drv set-text TfmSetup $ID_TABLE_TEXT "$(hex 夏の記念日)" || fail "no name box"
  # Clicks are queued: the form, the transfer and the write, in this order.
  drv click TfmSetup "○月○日" || fail "no form"
  drv click TfmSetup "↑ 表に転記(&A)" || fail "no transfer button"
  drv click TfmSetup "書込／閉じる(&W)" || fail "no write button"
  drv gone TfmSetup 10000 || fail "the table stays"
  lines_of "$prog/Data/Sday.kdf" | grep -q '夏の記念日' || { lines_of "$prog/Data/Sday.kdf"; fail "the rule is not in Sday.kdf"; }
  names_drawn 20 || fail "the new commemoration day is not drawn on the 20th"
  shot 4-table-day

  drv close TfmC21 30000 || fail "close"
  wait_exit
  cmp "$work/june-before.kdf" "$june" || { lines_of "$june"; fail "June changed at the close"; }
}

CMD_EXPORT=1008

# One export through the menu, the page and the save dialog as proposed:
# the success box names the file written in the program folder.
export_as() {  # FORMAT_CAPTION FILE
  drv command TfmC21 $CMD_EXPORT || fail "could not open the export page"
  drv wait TfmSetup 10000 || fail "no export page"
  drv click TfmSetup "$1" || fail "no format $1"
  drv click TfmSetup "予定データ書出実行" || fail "no export button"
  drv wait '#32770' 10000 || fail "no save dialog"
  shot "save-dialog-$(basename "$2")"
  drv answer ok || fail "the save dialog did not take the proposed file"
  local text
  text=$(drv box-text 10000 | tr -d '\r') || fail "no box after the export"
  [ "$text" = "テキスト(${prog_win}\\$(basename "$2"))を書き出しました。" ] || fail "the export said: $text"
  drv answer ok
  [ -s "$2" ] || fail "$2 was not written"
  drv close TfmSetup 10000 || fail "the export page stays"
}

data_export() {
  local files1=$prog/Data/Files1 checks=$work/checks
  prog_win="Z:${prog//\//\\}"
  mkdir -p "$files1" "$work/shots" "$checks"
  sjis "$files1/Ca203006.kdf" ' 0,0,9,2030/ 6 [Data\Files1\]' '12,1,,会議，第二会議室,clRed,,,,,' '14,1,,"引用"付き,,,,,,'
  sjis "$files1/CaFromTo.kdf" '***** FromTo予定 [Data\Files1\]'

  step "データ書出: June 2030 as iCalendar and as CSV through the save dialog"
  no_other_velda
  start_velda
  show_june
  export_as "iCalender(Google等互換)" "$prog/Te203006.ics"
  export_as "ＣＳＶ（カンマ区切り）" "$prog/Te203006.csv"
  drv close TfmC21 30000 || fail "close"
  wait_exit

  step "both files read by the libraries other programs use"
  cp "$prog/Te203006.ics" "$prog/Te203006.csv" "$checks/"
  printf 'velda2030/06/12_001\t2030-06-12\t2030-06-13\t会議,第二会議室\nvelda2030/06/14_001\t2030-06-14\t2030-06-15\t"引用"付き\n' \
    > "$checks/Te203006.ics.expect"
  local day text weekdays=(日 月 火 水 木 金 土)
  for day in $(seq 1 30); do
    case $day in 12) text='会議,第二会議室' ;; 14) text='"引用"付き' ;; *) text= ;; esac
    printf '2030/06/%02d\t(%s)\t%s\n' "$day" "${weekdays[$(date -d "2030-06-$day" +%w)]}" "$text"
  done > "$checks/Te203006.csv.expect"
  # The system's Python: the one the Debian packages of the libraries serve.
  local python=/usr/bin/python3
  [ -x "$python" ] || python=python3
  "$python" "$root/src/settings/export_check.py" "$checks" || fail "the libraries read something else"
}

"$scenario"
echo "PASS: $scenario"
