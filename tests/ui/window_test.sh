#!/bin/sh
# The program itself in real windows, on an X server of its own with no window manager: text in
# through the clipboard, 実行, text out through the clipboard; the failure box and the About window
# seen by their titles and places; the end from the menu and from the close box, both with exit
# code 0. Saves a picture of the main window.
#   window_test.sh PROGRAM CLOSE-REQUEST SCREENSHOT
set -eu
program=$1
close_request=$2
screenshot=$3

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in Xvfb xdotool xclip import; do
  command -v "$tool" >/dev/null || fail "$tool is missing; scripts/install-deps.sh installs it"
done

work=$(mktemp -d)
started=""
# Waits for each process to end, so that the next X server to take this display number does not
# lose its socket to the clean-up of this one.
cleanup() {
  for pid in $started; do kill "$pid" 2>/dev/null || true; done
  for pid in $started; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Retries a command every tenth of a second, for ten seconds at most.
eventually() {
  tries=0
  until "$@" >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || return 1
    sleep 0.1
  done
}

# Xvfb picks a free display number itself and writes it once it takes connections. It must not
# reset when the program's first run ends, or the second could not connect while it does.
Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp -noreset \
  3>"$work/display" 2>"$work/xvfb.log" &
started="$!"
eventually test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(cat "$work/display")"
XDG_RUNTIME_DIR="$work/runtime"
export DISPLAY XDG_RUNTIME_DIR
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY

visible() { xdotool search --onlyvisible --name "^$1\$" | head -n 1; }
is_visible() { [ -n "$(visible "$1")" ]; }
is_gone() { ! is_visible "$1"; }

# The exact title, with nothing appended, and the outer frame "left top width height".
check_window() {
  window=$1 title=$2 frame=$3
  [ "$(xdotool getwindowname "$window")" = "$title" ] ||
    fail "the window's title is '$(xdotool getwindowname "$window")', not '$title'"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$X $Y $WIDTH $HEIGHT" = "$frame" ] ||
    fail "$title: the frame is $X $Y $WIDTH $HEIGHT, not $frame"
}

start_program() {
  QT_QPA_PLATFORM=xcb "$program" 2>>"$work/program.log" &
  program_pid=$!
  started="$started $program_pid"
  eventually is_visible 'ソラナギ？' || fail "the main window did not open: $(cat "$work/program.log")"
  main=$(visible 'ソラナギ？')
}

# Waits for the program to end and checks that its exit code is 0.
check_exit() {
  eventually sh -c "! kill -0 $program_pid" || fail "the program did not end after $1"
  code=0
  wait "$program_pid" || code=$?
  [ "$code" -eq 0 ] || fail "the program ended with exit code $code after $1"
}

clipboard() { xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }

# Puts the text on the clipboard; xclip serves it until the program takes the clipboard over.
copy_to_clipboard() {
  printf %s "$1" | xclip -i -selection clipboard -t UTF8_STRING -quiet >/dev/null 2>&1 &
  started="$started $!"
  eventually clipboard_is "$1" || fail "xclip did not take the clipboard"
}

# Clicks at a place in the main window, in the window's own coordinates.
click() {
  xdotool windowfocus --sync "$main"
  xdotool mousemove --window "$main" "$1" "$2" click 1
}
# Places inside the controls, the menu bar's height included.
input_box="300 100"
output_box="300 220"
execute_button="80 242"

paste_input() {
  copy_to_clipboard "$1"
  click $input_box
  xdotool key ctrl+a ctrl+v
}
check_output() {
  click $output_box
  xdotool key ctrl+a ctrl+c
  eventually clipboard_is "$1" || fail "the output box shows '$(clipboard)', not '$1'"
}

start_program
check_window "$main" 'ソラナギ？' '363 250 466 309'

# The "二銭銅貨" cipher and encryption, the choices at start.
paste_input 'キャンプ。'
click $execute_button
check_output '弥、南仏、阿陀仏、仏、南阿弥仏、無陀仏、'
xdotool key ctrl+End
import -window "$main" "$screenshot"

# The "算盤が恋を語る話" cipher: Tab from the output box reaches the cipher kinds, Down picks the
# second. が cannot be encrypted, so the failure box opens, over the output of the rest.
click $output_box
xdotool key Tab Down
paste_input 'がっこう'
click $execute_button
eventually is_visible '変換できない文字が含まれています' || fail "the failure box did not open"
box=$(visible '変換できない文字が含まれています')
[ "$(xdotool getwindowname "$box")" = '変換できない文字が含まれています' ] ||
  fail "the failure box's title is '$(xdotool getwindowname "$box")'"
xdotool windowfocus --sync "$box"
xdotool key Return
eventually is_gone '変換できない文字が含まれています' || fail "Enter did not close the failure box"
check_output '432513'

# Alt+H, A opens the About window, centred on the main window; Escape leaves it open, Enter
# presses OK.
xdotool windowfocus --sync "$main"
xdotool key alt+h a
eventually is_visible 'バージョン情報' || fail "the About window did not open"
about=$(visible 'バージョン情報')
check_window "$about" 'バージョン情報' '436 283 320 243'
xdotool windowfocus --sync "$about"
xdotool key Escape
sleep 0.5
is_visible 'バージョン情報' || fail "Escape closed the About window"
xdotool key Return
eventually is_gone 'バージョン情報' || fail "Enter did not close the About window"

# 終了 from the menu ends the program with exit code 0.
xdotool windowfocus --sync "$main"
xdotool key alt+m x
check_exit "終了"

# So does the close box, which a window manager turns into a request to close.
start_program
"$close_request" "$main"
check_exit "the close box"
echo "the window test passed; the main window is in $screenshot"
