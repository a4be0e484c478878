#!/usr/bin/env bash
# Both programs at 96 DPI on a 1024x768 desktop and at 144 DPI on a
# 1536x1152 one (the same screen at 150 %): the editor's input window, live
# display, rule text, tooltip and credits windows, the randomiser's splash,
# tooltip and credits windows are 1.5 times as wide and as tall (2 pixels
# either way; a window as tall as the screen allows stays so), and no label
# in the system font has a text wider or taller than itself. Screenshots of
# each window at both.
e2e_screen=1536x1152
source "$(dirname "$0")/e2e_lib.sh"

declare -A size_at

# Sets the prefix's DPI ($1) and its desktop's size ($2 x $3); the programs
# started after it see them.
use_display() {
  stop_probe_server
  wineserver -k >/dev/null 2>&1 || true
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${2}x${3}" /f >/dev/null 2>&1
  wineserver -w
  e2e_tray_x=$(($2 - 11))
  e2e_tray_y=$(($3 - 11))
  dpi=$1
}

# Keeps the size "width height" of the shown window titled $2 as $1 at this
# DPI, checks that its labels fit their texts and takes a screenshot. The
# probe measures in the system font: the labels in a font of their own (the
# headings and the live display's table, ids below) are left to the
# screenshots.
own_font_labels=" 119 120 121 140 251 260 "
measure() {
  local left top right bottom unfit
  read -r left top right bottom <<<"$(window_place "$2")"
  size_at[$1,$dpi]="$((right - left)) $((bottom - top))"
  unfit=$(probe --fit "$2" | awk -F'\t' -v skipped="$own_font_labels" \
    'tolower($2) == "static" && index(skipped, " " $1 " ") == 0 {
      split($3, room, " "); split($4, text, " "); if (text[1] > room[1] || text[2] > room[2]) print $1 " (" $3 " < " $4 ")" }')
  expect_equal "at $dpi DPI every label of the $1 window holds its text" "" "$unfit"
  screenshot "dpi_${dpi}_$1"
}

# Keeps the size of the randomiser's splash, a window without a title, from
# its class; fails while no splash is shown.
splash_measured() {
  size_at[splash,$dpi]=$(probe --class BRENLOW_SORTILANE | tail -n 1)
}

quit_editor() {
  press Escape
  wait_editor 5
  if [[ $editor_status == timeout ]]; then
    press Escape
    wait_editor 10
  fi
}

editor_windows() {
  start_editor
  wait_editor_ready
  sleep 0.5
  measure input "$editor_window"
  measure live "$live_display"
  press ctrl+3
  wait_for 10 control_reads "$editor_window" 121 "Rule Text" || echo "the rule text window did not show"
  sleep 0.5
  measure rule_text "$editor_window"
  press ctrl+7
  wait_for 10 control_reads "$editor_window" 140 "Rostrix Tooltips" || echo "the tooltip window did not show"
  sleep 0.5
  measure tooltips "$editor_window"
  open_tray_menu
  choose_menu_entry 3 7  # "Credits"
  wait_for 10 control_reads "$editor_window" 251 "Credits" || echo "the credits window did not show"
  wait_for 5 window_class_gone "#32768"
  sleep 0.5
  measure credits "$editor_window"
  quit_editor
}

randomiser_tooltips_shown() {
  control_reads "$overlord_window" 261 "Press Ctrl+1 to write result to active text caret"
}

randomiser_windows() {
  start_randomiser rating
  wait_for 30 splash_measured || echo "the splash did not show"
  sleep 1
  screenshot "dpi_${dpi}_splash"
  wait_for 15 window_class_gone BRENLOW_SORTILANE || echo "the splash did not go away"
  press ctrl+7
  wait_for 10 randomiser_tooltips_shown || echo "the randomiser's tooltip window did not show"
  sleep 0.5
  measure randomiser_tooltips "$overlord_window"
  press Escape
  wait_for 10 window_class_gone "Brenlow Overlord" || echo "Esc did not close the tooltip window"
  open_tray_menu
  choose_menu_entry 3 3  # "Credits"
  wait_for 10 control_text "$overlord_window" 251 || echo "the randomiser's credits window did not show"
  wait_for 5 window_class_gone "#32768"
  sleep 0.5
  measure randomiser_credits "$overlord_window"
  open_tray_menu
  choose_menu_entry 1 3  # "Exit"
  wait_randomiser 10
}

use_display 96 1024 768
editor_windows
randomiser_windows
use_display 144 1536 1152
editor_windows
randomiser_windows

# Whether $2 is 1.5 times $1, 2 pixels either way.
half_again() { (( $2 * 2 >= $1 * 3 - 4 && $2 * 2 <= $1 * 3 + 4 )); }
for window in input live rule_text tooltips credits splash randomiser_tooltips randomiser_credits; do
  read -r width96 height96 <<<"${size_at[$window,96]:-0 0}"
  read -r width144 height144 <<<"${size_at[$window,144]:-0 0}"
  expect_equal "the $window window at 144 DPI is 1.5 times as large as at 96 DPI ($width96 x $height96)" yes \
    "$(half_again "$width96" "$width144" && half_again "$height96" "$height144" && echo yes ||
      echo "$width144 x $height144")"
done
e2e_finish
