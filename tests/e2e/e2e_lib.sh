# Shared set-up of the end-to-end tests. Source it. Each test gets its own
# temporary working folder (a copy of dist/ with the Windows programs beside
# it), its own copy of a Wine prefix prepared once per run, and its own X
# display. Every process a test starts is ended by its id when the test ends.
set -euo pipefail

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_win=${BRENLOW_BUILD_WIN:-$e2e_root/build-win}
e2e_artifacts="$build_win/e2e-artifacts"
e2e_work=$(mktemp -d)
e2e_pids=()
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$e2e_artifacts"

e2e_cleanup() {
  local i
  # The Wine server has ended before its prefix is removed: Wine finds a
  # prefix's server by the folder's inode, which a test starting next can get
  # for its own prefix, and it must not find this one's server still there.
  if [[ -n "${WINEPREFIX:-}" ]]; then
    timeout 10 wineserver -k >/dev/null 2>&1 || true
    timeout 20 wineserver -w >/dev/null 2>&1 || true
    end_leftover_wine_processes
  fi
  # Newest first, so that the X server (started first) ends last.
  for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do
    kill "${e2e_pids[i]}" 2>/dev/null || true
    wait "${e2e_pids[i]}" 2>/dev/null || true
  done
  rm -rf "$e2e_work"
}
trap e2e_cleanup EXIT

# Ends with SIGKILL every Wine process of this prefix (its Wine server among
# them) that is still there once the server was told to end. After
# slow_explorer_test had held explorer, a Wine server, wineboot, the services
# or the probe server of its prefix were often still there; they kept the
# test's output open, and CTest waited on them until the test's time-out
# (twice in about a dozen full runs). The processes are found by their
# WINEPREFIX.
end_leftover_wine_processes() {
  local round file pid ended
  for round in 1 2 3; do
    ended=0
    for file in $(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null); do
      pid=${file#/proc/}
      pid=${pid%/environ}
      [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == */wine* ]] || continue  # not the test's shell or X server
      echo "a Wine process of the test was still there: ended by force ($(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline"))"
      kill -KILL "$pid" 2>/dev/null && ended=$((ended + 1))
    done
    ((ended > 0)) || return 0
    pause 0.5
  done
}

# A pipe that nobody writes to: reading it with a time-out pauses without
# starting a sleep process, which the waits below would start ten times a
# second.
mkfifo "$e2e_work/never"
exec {never_fd}<>"$e2e_work/never"
pause() { read -r -t "$1" -u "$never_fd" _ || true; }

# Waits up to $1 seconds for the command in the other arguments to succeed
# (five tries a second: longer on a busy machine, where each try takes
# longer). The tries cost CPU time that the programs under test lack on a
# machine running five tests at once: at ten a second, all end-to-end tests
# five at a time took 468 s of CPU time, at five 437 s.
wait_for() {
  local seconds=$1
  shift
  local tries=$((seconds * 5))
  while ((tries-- > 0)); do
    "$@" >/dev/null 2>&1 && return 0
    pause 0.2
  done
  return 1
}

# Whether the command in the other arguments keeps failing for $1 seconds
# of the clock. It is tried until they have passed, at least once: a check
# that something does not happen, which wait_for's count of tries would
# stretch on a busy machine, where each try of a Wine probe takes a second.
fails_for() {
  local seconds=$1
  shift
  local end=$((${EPOCHREALTIME/[.,]/} + seconds * 1000000))
  while true; do
    "$@" >/dev/null 2>&1 && return 1
    ((${EPOCHREALTIME/[.,]/} < end)) || return 0
    pause 0.1
  done
}

# Starts a command in the background and remembers its id for the clean-up.
e2e_start() {
  "$@" &
  e2e_pids+=($!)
  last_pid=$!
}

# Copies the prefix $1 to $2. The files that Wine only reads, its programs,
# libraries and code page tables (nearly all of its 700 MB), are hard
# links to those of $1 where both lie on one file system; the others, the
# registry among them, are copied.
copy_prefix() {
  if cp -al "$1" "$2" 2>/dev/null; then
    (cd "$1" && find . -type f \
      ! \( -name '*.dll' -o -name '*.exe' -o -name '*.nls' -o -name '*.sys' -o -name '*.drv' \) \
      -exec cp -a --remove-destination --parents -t "$2" {} +)
  else
    rm -rf "$2"
    cp -a "$1" "$2"
  fi
}

base_prefix=$("$e2e_root/tests/e2e/base_prefix.sh" "$build_win")
export WINEPREFIX="$e2e_work/prefix"
copy_prefix "$base_prefix" "$WINEPREFIX"

# The X server's screen is 1024x768 unless the test sets e2e_screen ("WxH")
# before it sources this file.
# The X server picks a free display itself and writes its number once it
# takes clients (-displayfd), so tests running side by side never share one.
# A black root (-br): the default root pattern differs from pixel to pixel and
# would pass for a splash before Wine has drawn its desktop.
e2e_start Xvfb -displayfd 3 -screen 0 "${e2e_screen:-1024x768}x24" -nolisten tcp -br 3>"$e2e_work/display" 2>"$e2e_work/xvfb.log"
display_written() { [[ -s $e2e_work/display ]]; }
wait_for 10 display_written || { echo "Xvfb did not start"; cat "$e2e_work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n 1 "$e2e_work/display")"

mkdir -p "$e2e_work/game"
cp -r "$e2e_root/dist/." "$e2e_work/game/"
# What the programs write as they run is no part of the sample folder, as in
# the release: a preview run in dist/ (as the README shows one) leaves its
# debug.txt there.
rm -f "$e2e_work/game/debug.txt" "$e2e_work/game/data.txt" "$e2e_work/game/"*.tmp
cp "$build_win"/randomiser/shell/Brenlow_Sortilane.exe "$build_win"/editor/shell/Brenlow_Rostrix.exe \
  "$build_win"/tests/e2e/*.exe "$e2e_work/game/"
cd "$e2e_work/game"

# The window probe (window_probe_win32.cpp) runs as one Wine process that
# answers each probe in turn, once a program of the test has shown its first
# window: a Wine process takes a seventh of a second of a core to start, and
# the waits probe five times a second. Until then each probe is a Wine process
# of its own: where a probe server had opened Wine's desktop, or started while
# it opened, the editor took the whole screen for its work area, taskbar and
# all (the desktop is opened by open_wine_desktop now, before either). A test
# that ends the Wine server stops the probe server first.
start_probe_server() {
  [[ -z ${probe_pid:-} ]] || return 0
  rm -f "$e2e_work/probe.in" "$e2e_work/probe.out"
  mkfifo "$e2e_work/probe.in" "$e2e_work/probe.out"
  wine window_probe.exe --serve <"$e2e_work/probe.in" >"$e2e_work/probe.out" &
  probe_pid=$!
  e2e_pids+=("$probe_pid")
  exec {probe_in}>"$e2e_work/probe.in" {probe_out}<"$e2e_work/probe.out"
}

stop_probe_server() {
  [[ -n ${probe_pid:-} ]] || return 0
  exec {probe_in}>&- {probe_out}<&-
  kill "$probe_pid" 2>/dev/null || true
  wait "$probe_pid" 2>/dev/null || true
  probe_pid=
}

# Probes as window_probe.exe does with the same arguments: its output is in
# probed, its exit code is returned. The waits probe five times a second, and
# each process they start costs a core far more than the probe itself: this
# starts none where it can.
probe_answer() {
  probed=
  if [[ -z ${probe_pid:-} ]] || ! kill -0 "$probe_pid" 2>/dev/null; then
    probed=$(wine window_probe.exe "$@"; echo ":$?")
    local code=${probed##*:}
    probed=${probed%:*}
    return "$code"
  fi
  # Should the server have just ended, the write fails instead of ending the
  # test with SIGPIPE.
  local written=yes
  trap '' PIPE
  { printf '%s\n' "$#" && printf '%s\0' "$@"; } >&"$probe_in" 2>/dev/null || written=no
  trap - PIPE
  [[ $written == yes ]] || return 1
  local code size LC_ALL=C  # read -N counts bytes
  read -r code size <&"$probe_out" || return 1
  IFS= read -r -N "$size" probed <&"$probe_out" || true
  return "$code"
}

# Probes as window_probe.exe does with the same arguments: its output and its
# exit code. The output is written at once, as window_probe.exe wrote it (the
# shell's printf writes line by line): a reader that stops early (head -n 1)
# would otherwise fail the pipe under pipefail.
probe() {
  local code=0
  probe_answer "$@" || code=$?
  [[ -z $probed ]] || head -c -1 <<<"$probed"
  return "$code"
}

# The answer of the last probe without its first line.
probed_after_first_line() {
  [[ $probed == *$'\n'* ]] && probed=${probed#*$'\n'} || probed=
}

# The answer of the last probe without the line ends at its end, as $(probe)
# would give it.
probed_trimmed() {
  while [[ $probed == *$'\n' ]]; do probed=${probed%$'\n'}; done
}

e2e_failures=0
expect_equal() {  # what, expected, actual
  if [[ "$2" == "$3" ]]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: expected [$2], got [$3]"
    e2e_failures=$((e2e_failures + 1))
  fi
}

e2e_finish() {
  [[ $e2e_failures -eq 0 ]] || { echo "$e2e_failures check(s) failed"; exit 1; }
}

# Opens Wine's desktop and waits until a program can make a window in it,
# before any program of the test starts (at the end of this file). The
# first program that asks for the desktop starts Wine's explorer and waits
# for it ten seconds at most; on a busy machine explorer can take longer, and
# the program then runs without a display driver, for good: its windows never
# show (Wine says "The explorer process failed to start"), and the slow
# explorer gives up once it finds the desktop taken. Each try here is a Wine
# process of its own: one that lost that race ends, and the next, once the
# slow explorer has given up, starts another. The failed tries are counted in
# desktop_tries_failed, and a test that had any says so in the artifact
# desktop_tries_failed.txt.
open_wine_desktop() {
  local end=$((${EPOCHREALTIME/[.,]/} + 120000000))
  desktop_tries_failed=0
  until wine window_probe.exe --desktop >/dev/null 2>&1; do
    desktop_tries_failed=$((desktop_tries_failed + 1))
    if ((${EPOCHREALTIME/[.,]/} >= end)); then
      screenshot "desktop_not_open_$(basename "$0" .sh)"
      echo "Wine's desktop did not open in 120 s"
      exit 1
    fi
    pause 0.2
  done
  ((desktop_tries_failed == 0)) ||
    echo "$(basename "$0" .sh): $desktop_tries_failed" >>"$e2e_artifacts/desktop_tries_failed.txt"
}

# Starts the chat recorder (recording to chat.txt) and waits for its window;
# the screen is kept when it does not show.
start_chat() {
  : >chat.txt
  e2e_start wine chat_recorder.exe chat.txt
  wait_for 30 chat_shown || {
    screenshot "chat_not_shown_$(basename "$0" .sh)"
    echo "the chat window did not show"
    return 1
  }
  start_probe_server
}
# Whether the chat window is drawn: its X window is asked for first, as
# reading a pixel starts ImageMagick, which costs far more.
chat_shown() {
  xdotool search --name '^Chat Recorder$' >/dev/null 2>&1 && [[ $(pixel 150 90) == "#FFFFFF" ]]
}

# The colour of one pixel of the virtual screen.
pixel() {
  import -display "$DISPLAY" -window root -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR == 2 { print $3 }'
}

# Whether the splash covers the middle of the screen (it differs from the
# desktop background beside it).
splash_shown() { [[ $(pixel 400 300) != "$(pixel 5 300)" ]]; }

# Waits up to 10 seconds for the tray icon's balloon, which follows the icon
# after about two seconds.
wait_balloon() {
  wait_for 10 window_class_shown tooltips_class32 || echo "the balloon did not show"
}

# Whether a window of the class $1 is shown.
window_class_shown() { probe_answer --class "$1"; }
window_class_gone() { ! window_class_shown "$1"; }

# Whether the randomiser's splash (its main window) is shown.
randomiser_splash_shown() { window_class_shown BRENLOW_SORTILANE; }

# Waits for the randomiser's splash to show and then to go away, so that the
# focus can be given to the chat window for good.
wait_past_splash() {
  wait_for 30 randomiser_splash_shown || { echo "the splash did not show"; return 1; }
  start_probe_server
  wait_for 15 window_class_gone BRENLOW_SORTILANE || { echo "the splash did not go away"; return 1; }
}

# Waits up to $1 seconds until $2 Enter presses have reached the chat window.
wait_chat_enters() {
  wait_for "$1" chat_has_enters "$2"
}
chat_has_enters() {
  local text enters
  IFS= read -r -d '' text <chat.txt || true
  enters=${text//[!$'\r']/}
  ((${#enters} >= $1))
}

# Presses the hotkey $1 until $2 Enter presses have reached the chat window
# (at most 10 seconds): a command pressed while the last sequence still makes
# its closing pause is ignored.
press_until_enters() {
  wait_for 10 press_and_wait_enters "$1" "$2"
}
press_and_wait_enters() { press "$1" && wait_for 1 chat_has_enters "$2"; }

# The title of the foreground window of the virtual desktop.
foreground_title() { probe --foreground; }
foreground_is() {
  probe_answer --foreground || true
  probed_trimmed
  [[ $probed == "$1" ]]
}

# Clicks into the chat window (at 150,90 of the virtual desktop) and waits
# until it has the focus.
focus_chat() {
  xdotool mousemove 150 90 click 1
  wait_for 5 foreground_is "Chat Recorder" || { echo "the chat window did not take the focus"; return 1; }
}

# Starts the randomiser with the given words; its id is in randomiser_pid.
start_randomiser() {
  e2e_start wine Brenlow_Sortilane.exe "$@"
  randomiser_pid=$last_pid
}

# Starts the randomiser with the given words, presses Ctrl+1 in the chat once
# the splash is gone and waits up to 30 s for it to end; its exit code is in
# randomiser_status.
type_into_chat_with() {
  start_randomiser "$@"
  wait_past_splash
  focus_chat
  press ctrl+1
  wait_randomiser 30
}

# Whether the process $1 has ended.
process_ended() { ! kill -0 "$1" 2>/dev/null; }

# Waits up to $1 seconds for the process $2 to end; its exit code is in
# exit_status ("timeout" when it did not end).
wait_exit() {
  if wait_for "$1" process_ended "$2"; then
    exit_status=0
    wait "$2" || exit_status=$?
  else
    exit_status=timeout
  fi
}

# Waits up to $1 seconds for the randomiser to end; its exit code is in
# randomiser_status ("timeout" when it did not end).
wait_randomiser() {
  wait_exit "$1" "$randomiser_pid"
  randomiser_status=$exit_status
}

# Presses keys (xdotool key names) one after another.
press() {
  xdotool key --delay 100 "$@"
}

# Esc twice, 0.1 s apart: the way to quit either program (one Esc only asks
# for the second).
quit_with_esc() { press Escape Escape; }

# The text typed into the chat so far, with each Enter shown as a line end.
chat_text() {
  tr '\r' '\n' <chat.txt
}

# The seed the report typed into the chat shows.
typed_seed() {
  chat_text | sed -n 's/.*Seed: \(-\{0,1\}[0-9]\{1,\}\).*/\1/p' | head -n 1
}

# The report lines the native preview computes for seed $1 and the option
# words after it, on a copy of the working folder as it is now. A line of
# Results.txt with that seed, and those after it, were written after the draw:
# the preview leaves them out as the randomiser did.
preview_report() {
  local seed=$1
  shift
  preview_lines --seed "$seed" -- "$@"
}

# The report lines the native preview prints with its own options and the
# option words (as in preview_report: "--draw 2 -- rating"), on a copy of the
# working folder as it is now.
preview_lines() {
  rm -rf "$e2e_work/preview"
  cp -r . "$e2e_work/preview"
  "${BRENLOW_BUILD:-$e2e_root/build}/tools/sortilane_preview" --dir "$e2e_work/preview" "$@" | sed '$d'
}

# Saves a screenshot of the whole virtual screen as an artifact. On a loaded
# machine the X server can be slow to answer, so it is tried up to three times;
# a picture that could not be taken is said, and the test goes on.
screenshot() {
  local attempt
  for attempt in 1 2 3; do
    import -display "$DISPLAY" -window root "$e2e_artifacts/$1.png" 2>/dev/null && return 0
    sleep 0.5
  done
  echo "could not take the screenshot $1"
}

# What typing a rule text leaves in chat.txt: the file with CR LF read as a
# line feed, in chunks of at most 49 bytes that end after a line feed, each
# chunk typed without its control characters (the line feed among them) and
# followed by an Enter (a carriage return in chat.txt).
rule_text_typed() {
  python3 - "$1" <<'PY'
import sys
text = open(sys.argv[1], 'rb').read().replace(b'\r\n', b'\n')
chunks, chunk = [], b''
for byte in text:
    chunk += bytes([byte])
    if byte == 10 or len(chunk) == 49:
        chunks, chunk = chunks + [chunk], b''
if chunk:
    chunks.append(chunk)
typed = (bytes(b for b in c if b >= 32 and b != 127) + b'\r' for c in chunks)
sys.stdout.buffer.write(b''.join(typed))
PY
}

# Opens the tray icon's menu (the icon sits at the right end of the virtual
# desktop's task bar, at e2e_tray_x e2e_tray_y when a test with a desktop of
# another size sets them) and waits until it is shown. A right click can be lost
# to the icon's balloon while it is still up, so the click is tried again.
open_tray_menu() {
  local attempt
  for attempt in 1 2 3; do
    xdotool mousemove "${e2e_tray_x:-1013}" "${e2e_tray_y:-757}" mousedown 3 mouseup 3
    wait_for 5 window_class_shown "#32768" && return 0
  done
  echo "the tray menu did not show after $attempt right clicks"
  return 1
}

# Clicks entry $1 of the $2 entries of the open menu (1 for the first), in
# the middle of its row.
choose_menu_entry() {
  local probed centre size
  probed=$(probe --class "#32768") || { echo "no menu is open"; return 1; }
  read -r -d '' -a centre <<<"${probed%%$'\n'*}" || true
  read -r -d '' -a size <<<"${probed#*$'\n'}" || true
  xdotool mousemove "${centre[0]}" $((centre[1] - size[1] / 2 + (2 * $1 - 1) * size[1] / (2 * $2))) click 1
}

# The share (0..1) of pure red pixels in a rectangle of a screenshot:
# screenshot name, width, height, and the rectangle's centre x y.
red_share() {
  convert "$e2e_artifacts/$1.png" -crop "$2x$3+$(($4 - $2 / 2))+$(($5 - $3 / 2))" -fill black +opaque '#FF0000' \
    -fill white -opaque '#FF0000' -format '%[fx:mean]' info:
}

# The randomiser's rule selection, tooltip and credits windows.
overlord_window="Dastrel's, Brenlow: Sortilane"

# The editor's windows: the live display (with the file's contents in control
# 120) and the overlord window of the input, rule text and other windows, told
# apart by their controls.
live_display="Rostrix Feedback"
editor_window="Dastrel's, Brenlow: Rostrix"

# Starts the editor; its id is in editor_pid.
start_editor() {
  e2e_start wine Brenlow_Rostrix.exe
  editor_pid=$last_pid
}

# Waits up to $1 seconds for the editor to end; its exit code is in
# editor_status ("timeout" when it did not end).
wait_editor() {
  wait_exit "$1" "$editor_pid"
  editor_status=$exit_status
}

# The text of control $2 of the shown window titled $1; fails when no such
# window is shown.
control_text() {
  probe_answer "$1" "$2" || return 1
  probed_after_first_line
  [[ -z $probed ]] || head -c -1 <<<"$probed"
}

# Whether the window titled $1 is shown with the control $2 reading $3.
control_reads() {
  probe_answer "$1" "$2" || return 1
  probed_after_first_line
  probed_trimmed
  [[ $probed == "$3" ]]
}

# Clicks the control $2 of the window titled $1 in its middle.
click_control() {
  local probed
  probed=$(probe "$1" "$2") || { echo "no control $2 in the window $1"; return 1; }
  xdotool mousemove ${probed%%$'\n'*} click 1
}

# Sets the text of control $2 of the window titled $1 to $3 and waits until
# the control reads it. Where a test is about what the editor stores and
# says, the text is set, not typed: on a busy machine Wine lost text that
# xdotool typed, above all characters outside the keyboard's layout.
set_text() {
  probe --set "$1" "$2" "$3" && wait_for 5 control_reads "$1" "$2" "$3" ||
    echo "control $2 did not take [$3]"
}

# Waits past the editor's splash: the live display and the input window for a
# name and rating are shown.
wait_editor_ready() {
  wait_for 30 control_reads "$editor_window" 114 "Player's Name:" || { echo "the input window did not show"; return 1; }
  wait_for 5 control_text "$live_display" 120 || { echo "the live display did not show"; return 1; }
  start_probe_server
}

# Puts the file $1 on the X clipboard as data of type $2, where the programs
# under Wine read it. The xclip that serves it runs until another takes the
# clipboard or the test ends.
serve_clipboard() {
  e2e_start xclip -quiet -selection clipboard -t "$2" -i "$1" >/dev/null 2>&1
  wait_for 5 clipboard_offers "$2" || { echo "the clipboard did not take $1"; return 1; }
}
clipboard_offers() { xclip -o -selection clipboard -t TARGETS | grep -qx "$1"; }

# Puts the text $1 on the clipboard.
set_clipboard() {
  printf '%s' "$1" >"$e2e_work/clipboard.txt"
  serve_clipboard "$e2e_work/clipboard.txt" UTF8_STRING
}

# Whether PlayerData.txt holds the text $1.
player_data_has() { grep -qF -- "$1" PlayerData.txt; }

# Puts $1 on the clipboard and presses Ctrl+1; waits until PlayerData.txt
# holds $2.
capture_clipboard() {
  set_clipboard "$1"
  press ctrl+1
  wait_for 10 player_data_has "$2" || { echo "the capture of [$1] did not reach PlayerData.txt"; return 1; }
}

# Opens the input window for the counts with Ctrl+5 and enters $1 players
# and $2 teams with "Enter Data".
enter_counts() {
  press ctrl+5
  wait_for 10 control_reads "$editor_window" 114 "Number Of Players:" || { echo "no counts window"; return 1; }
  click_control "$editor_window" 110
  xdotool type "$1"
  click_control "$editor_window" 111
  xdotool type "$2"
  click_control "$editor_window" 113
}

# The shown windows front to back, one a line, the fields parted by tabs:
# the place "left top right bottom", the class and the text (line breaks as
# blanks). With a title: the controls of that window, each line led by the
# control's id.
window_list() {
  probe --list "$@"
}

# The place "left top right bottom" of the first shown window titled $1, or
# of its control $2.
window_place() {
  if [[ $# -eq 1 ]]; then
    window_list | awk -F'\t' -v title="$1" '$3 == title { print $1; exit }'
  else
    window_list "$1" | awk -F'\t' -v id="$2" '$1 == id { print $2; exit }'
  fi
}

# The title of the first shown window of the list $@ of titles, front to back.
front_window_of() {
  window_list | awk -F'\t' 'BEGIN { for (i = 1; i < ARGC; i++) wanted[ARGV[i]] = 1; ARGC = 1 }
    $3 in wanted { print $3; exit }' "$@"
}

# Whether a shown balloon of the tray icon holds the text $1 (line breaks
# read as blanks).
balloon_says() {
  probe_answer --list || return 1
  local place class text
  while IFS=$'\t' read -r place class text; do
    [[ $class == tooltips_class32 && $text == *"$1"* ]] && return 0
  done <<<"$probed"
  return 1
}

# Of screenshot $1, the share (0..1) of dark pixels in the lowest pixel row
# with any in the rectangle "left top right bottom" $2: a rule of
# underscores fills most of its row, a line of text far less.
lowest_dark_row_share() {
  local left top right bottom
  read -r left top right bottom <<<"$2"
  convert "$e2e_artifacts/$1.png" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    -colorspace gray -threshold 50% -negate -scale "1x$((bottom - top))!" -depth 16 txt:- |
    awk -F'[(),]' 'NR > 1 && $4 + 0 > 0 { share = $4 / 65535 } END { printf "%.2f\n", share }'
}

# The text of the shown error box; fails when none is shown.
error_box_text() {
  control_text Error 65535
}
error_box_gone() { ! error_box_text >/dev/null; }

# Whether the process $1 still runs.
still_runs() { kill -0 "$1" 2>/dev/null; }

# Starts a second copy of the program $1 (with the words after $2), which
# shows the box titled $2 saying the program already runs; checks the box,
# keeps a screenshot named $3, closes the box and expects the copy to end with
# 0 while the first copy still runs (its id in $4).
expect_second_copy_box() {
  local exe=$1 title=$2 picture=$3 first=$4 text
  shift 4
  e2e_start wine "$exe" "$@"
  local second=$last_pid
  wait_for 20 control_text "$title" 65535 || echo "no box from the second copy of $exe"
  text=$(control_text "$title" 65535 2>/dev/null || true)
  expect_equal "a second copy of $exe says the program already runs and how to quit it" yes \
    "$([[ $text == *"already running"* && $text == *Exit* ]] && echo yes || echo "$text")"
  screenshot "$picture"
  press Return
  wait_exit 10 "$second"
  expect_equal "the second copy of $exe ends with 0 once the box is closed" 0 "$exit_status"
  expect_equal "the first copy of $exe still runs" yes "$(still_runs "$first" && echo yes)"
}

# A test that opens the desktop itself sets e2e_desktop=later before it
# sources this file.
[[ ${e2e_desktop:-} == later ]] || open_wine_desktop
