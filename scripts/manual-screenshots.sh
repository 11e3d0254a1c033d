#!/usr/bin/env bash
# Takes the manual's screenshots from the real program under a virtual X display and writes them
# to docs/manual/images. Run it again whenever a window changes; a window that does not open
# (a command that is not built yet) is reported and skipped.
#
#   scripts/manual-screenshots.sh [path/to/quorlex]     (default: build/ci/src/app/quorlex)
#
# Needs Xvfb, openbox, xdotool and ImageMagick's import (all Debian packages).
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/ci/src/app/quorlex}")
out=docs/manual/images
mkdir -p "$out"

display=":$((RANDOM % 80 + 20))"
home=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$home"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# A small page to show, written as the program writes pages (Shift_JIS, CR LF).
printf '%s\r\n' '<HTML>' '' '<HEAD>' '<title>わたしのホームページ</title>' '</HEAD>' '' \
  '<BODY bgcolor=#FFFFFF>' '<H1>ようこそ</H1><BR>' 'このページは、クォーレクスで作りました。<BR>' \
  '<HR>' '<a href="link.html">リンク集</a><BR>' '</BODY>' '' '</HTML>' | iconv -f UTF-8 -t CP932 >"$home/sample.html"

# A few custom tags for the tag list window.
printf '%s\r\n' 'TOL0=<CENTER></CENTER>' 'TOL1=<FONT SIZE=+1></FONT>' 'TOL2=<TABLE BORDER=1>' \
  'TOL3=<BLOCKQUOTE></BLOCKQUOTE>' 'TOL4=<!-- メモ -->' | iconv -f UTF-8 -t CP932 >"$home/usertag.tol"

export QUORLEX_HOME=$home
"$program" "$home/sample.html" >/dev/null 2>&1 &
pids+=($!)

main=$(timeout 20 xdotool search --sync --onlyvisible --name 'sample.html - ' | tail -n 1)
xdotool windowsize "$main" 760 520
xdotool windowactivate --sync "$main"
sleep 1

shot() { # file window-id
  import -window "$2" "$out/$1"
  echo "made $out/$1"
}

# Opens a window with the given keys, photographs it and closes it again.
window_shot() { # file title keys...
  local file=$1 title=$2 window
  shift 2
  xdotool windowactivate --sync "$main"
  xdotool key --delay 150 "$@"
  if window=$(timeout 5 xdotool search --sync --onlyvisible --name "^${title}\$" 2>/dev/null | tail -n 1); then
    sleep 1
    shot "$file" "$window"
    xdotool windowactivate --sync "$window" key Escape 2>/dev/null || true
    sleep 0.5
    for w in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true); do
      xdotool windowactivate --sync "$w" key alt+F4 2>/dev/null || true
    done
  else
    echo "skipped $file: no window \"$title\" opened"
    xdotool key Escape Escape
  fi
  sleep 0.5
}

shot main-window.png "$main"

# The preview tab, the second tab under the file bar; taken before any keys are sent, so that
# the page is shown as written. The window gets a new X window when the browser first appears
# in it, so it is looked up again.
xdotool mousemove --window "$main" 130 67 click 1
sleep 3
main=$(timeout 20 xdotool search --sync --onlyvisible --name 'sample.html - ' | tail -n 1)
shot preview.png "$main"
xdotool mousemove --window "$main" 60 67 click 1
sleep 1

window_shot settings.png '設定' alt+t Up Return
window_shot about.png 'バージョン情報' alt+h Up Return
window_shot help-viewer.png 'クォーレクス ヘルプ' F1
window_shot print-dialog.png '印刷' ctrl+p
window_shot page-setup.png 'ページ設定' alt+f Up Up Up Return
window_shot new-page-wizard.png 'ホームページ ウィザード' ctrl+n
window_shot table-wizard.png '表ウィザード' shift+F3
window_shot frame-wizard.png 'フレームウィザード' alt+i Up Up Up Up Up Return
window_shot find.png '検索' ctrl+f
window_shot color.png '色の指定' ctrl+m
window_shot tag-list.png 'タグリスト' alt+t Up Up Up Up Return

