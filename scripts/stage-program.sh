#!/usr/bin/env bash
# Stages a program folder: Velda.exe, the files shipped beside it, and a
# data folder in data format 2 ("Data\Files1\") with a few sample entries,
# a period schedule and a commemoration day in the current month, so that
# the program opens on a month with something in it. Existing data files
# are left as they are.
#   scripts/stage-program.sh BUILD_DIR STAGE_DIR
set -euo pipefail
build=$1 stage=$2
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$stage"
cp "$build/src/app/Velda.exe" "$stage/"
for f in Hday.dat CaSima.dat ReadMe.txt; do cp "$root/data/$f" "$stage/"; done

# Writes lines (UTF-8 arguments) as Shift-JIS with CR LF, unless the file exists.
write_sjis() {
  local file=$1; shift
  [ -e "$file" ] && return 0
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 > "$file"
}

year=$(date +%Y) month=$((10#$(date +%m)))
ym=$(printf '%04d%02d' "$year" "$month")
mkdir -p "$stage/Data/Files1" "$stage/Data/Files2"
files1="$stage/Data/Files1"

write_sjis "$files1/Ca$ym.kdf" \
  "$(printf ' 0,0,9,%4d/%2d [Data\\Files1\\]' "$year" "$month")" \
  ' 3,1,,部署会議,,,10:00:00,,,' \
  '10,1,,歯医者,clRed,,15:30:00,,,' \
  '15,1,,給料日,,,,,,' \
  '22,1,,忘年会（新宿）,clBlue,,19:00:00,,,' \
  '22,2,,二次会,,,,,,' \
  '25,1,,レポート提出，第２版,clGreen,,,,,'
write_sjis "$files1/CaFromTo.kdf" \
  '***** FromTo予定 [Data\Files1\]' \
  "$(printf '%4d,%2d, 7,M,%4d,%2d, 9,E,%4d,%2d, 8,1,clBlue,出張（大阪）,VELDA-PC,,,,,' \
      "$year" "$month" "$year" "$month" "$year" "$month")"
write_sjis "$stage/Data/Sday.kdf" "1990,,$month,18,,,結婚記念日"
