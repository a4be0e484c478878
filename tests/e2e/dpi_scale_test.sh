#!/usr/bin/env bash
# Both programs at 96 DPI on a 1024x768 desktop and at 144 DPI on a
# 1536x1152 one (the same screen at 150 %): the editor's input window, live
# display, rule text, tooltip and credits windows, the randomiser's splash,
# tooltip, credits and swap windows are 1.5 times as wide and as tall (2 pixels
# either way; a window as tall as the screen allows stays so), and no label
# in the system font has a text wider or taller than itself. Every window is
# centred in the screen less the taskbar and wholly inside it, at 144 DPI on
# a 1024x768 desktop too. Screenshots of each window at each.
e2e_screen=1536x1152
e2e_desktop=later  # use_display opens it
source "$(dirname "$0")/e2e_lib.sh"

declare -A size_at

# Sets the prefix's DPI ($1) and its desktop's size ($2 x $3) and opens the
# desktop again; the programs started after it see them.
use_display() {
  stop_probe_server
  wineserver -k >/dev/null 2>&1 || true
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${2}x${3}" /f >/dev/null 2>&1
  wineserver -w
  open_wine_desktop
  e2e_tray_x=$(($2 - 11))
  e2e_tray_y=$(($3 - 11))
  dpi=$1
  screen_width=$2
  screen_height=$3
}

# Expects the window $1 at "left top right bottom" $2 inside the screen less
# its taskbar (at most 40 pixels high) and centred across it, 2 pixels either
# way (the splash is centred on the whole screen, the others above the
# taskbar).
expect_centred_inside() {
  local left top right bottom
  read -r left top right bottom <<<"$2"
  expect_equal "at $dpi DPI on ${screen_width}x${screen_height} the $1 window is inside the screen, centred" yes \
    "$( ((left >= 0 && top >= 0 && right <= screen_width && bottom <= screen_height - 20 &&
      (left - (screen_width - right)) ** 2 <= 4 && (top - (screen_height - bottom)) ** 2 <= 40 ** 2)) &&
      echo yes || echo "at $2")"
}

# Keeps the size "width height" of the shown window titled $2 as $1 at this
# DPI, checks that its labels fit their texts and takes a screenshot. The
# probe measures in the system font: the labels in a font of their own (the
# headings and the live display's table, ids below) are left to the
# screenshots.
own_font_labels=" 119 120 121 140 251 260 290 "
measure() {
  local left top right bottom unfit
  read -r left top right bottom <<<"$(window_place "$2")"
  size_at[$1,$dpi]="$((right - left)) $((bottom - top))"
  expect_centred_inside "$1" "$left $top $right $bottom"
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

# The place "left top right bottom" of the shown window of class $1.
class_place() {
  window_list | awk -F'\t' -v class="$1" '$2 == class { print $1; exit }'
}
class_shown() { [[ -n $(class_place "$1") ]]; }

quit_editor() {
  quit_with_esc
  wait_editor 5
  if [[ $editor_status == timeout ]]; then
    quit_with_esc
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
  expect_centred_inside splash "$(class_place BRENLOW_SORTILANE)"
  screenshot "dpi_${dpi}_splash"
  wait_for 15 window_class_gone BRENLOW_SORTILANE || echo "the splash did not go away"
  press ctrl+7
  wait_for 10 randomiser_tooltips_shown || echo "the randomiser's tooltip window did not show"
  sleep 0.5
  measure randomiser_tooltips "$overlord_window"
  press Escape
  wait_for 10 window_class_gone "Brenlow Overlord" || echo "Esc did not close the tooltip window"
  open_tray_menu
  choose_menu_entry 3 4  # "Credits"
  wait_for 10 control_text "$overlord_window" 251 || echo "the randomiser's credits window did not show"
  wait_for 5 window_class_gone "#32768"
  sleep 0.5
  measure randomiser_credits "$overlord_window"
  open_tray_menu
  choose_menu_entry 4 4  # "Swap two players…"
  wait_for 10 control_text "$overlord_window" 296 || echo "the swap window did not show"
  wait_for 5 window_class_gone "#32768"
  sleep 0.5
  measure swap "$overlord_window"
  press Escape
  wait_for 10 window_class_gone "Brenlow Overlord" || echo "Esc did not close the swap window"
  open_tray_menu
  choose_menu_entry 1 4  # "Exit"
  wait_randomiser 10
}

# At 144 DPI on a 1024x768 desktop the windows are as large as at 144 DPI
# on a large one, or as the screen allows, and stay inside it: the editor's
# input window and splash, the randomiser's splash and rule selection.
small_screen_windows() {
  start_editor
  wait_for 30 class_shown BRENLOW_ROSTRIX || echo "the editor's splash did not show"
  expect_centred_inside editor_splash "$(class_place BRENLOW_ROSTRIX)"
  screenshot "dpi_${dpi}_small_editor_splash"
  wait_editor_ready
  sleep 0.5
  expect_centred_inside input "$(window_place "$editor_window")"
  screenshot "dpi_${dpi}_small_input"
  quit_editor
  start_randomiser rating
  wait_for 30 splash_measured || echo "the splash did not show"
  sleep 1
  expect_centred_inside splash "$(class_place BRENLOW_SORTILANE)"
  screenshot "dpi_${dpi}_small_splash"
  wait_for 15 window_class_gone BRENLOW_SORTILANE || echo "the splash did not go away"
  press ctrl+4
  wait_for 10 control_reads "$overlord_window" 253 "Rule Selection" || echo "the rule selection window did not show"
  sleep 0.5
  expect_centred_inside rule_selection "$(window_place "$overlord_window")"
  screenshot "dpi_${dpi}_small_rule_selection"
  press Escape
  wait_for 10 window_class_gone "Brenlow Overlord" || echo "Esc did not close the rule selection window"
  quit_with_esc
  wait_randomiser 10
}

use_display 96 1024 768
editor_windows
randomiser_windows
use_display 144 1536 1152
editor_windows
randomiser_windows
use_display 144 1024 768
small_screen_windows

# Whether $2 is 1.5 times $1, 2 pixels either way.
half_again() { (( $2 * 2 >= $1 * 3 - 4 && $2 * 2 <= $1 * 3 + 4 )); }
for window in input live rule_text tooltips credits splash randomiser_tooltips randomiser_credits swap; do
  read -r width96 height96 <<<"${size_at[$window,96]:-0 0}"
  read -r width144 height144 <<<"${size_at[$window,144]:-0 0}"
  expect_equal "the $window window at 144 DPI is 1.5 times as large as at 96 DPI ($width96 x $height96)" yes \
    "$(half_again "$width96" "$width144" && half_again "$height96" "$height144" && echo yes ||
      echo "$width144 x $height144")"
done
e2e_finish
