#!/usr/bin/env bash
# The randomiser's tooltip window (Ctrl+7) under Wine: each line is as tall as
# its text needs, so the last and longest one is not cut (it took three lines
# and more in a label made for two), and the mouse wheel scrolls the lines.
source "$(dirname "$0")/e2e_lib.sh"

start_chat
start_randomiser rating
wait_past_splash
focus_chat
press ctrl+7
wait_for 10 control_reads "$overlord_window" 261 "Press Ctrl+1 to write result to active text caret" ||
  echo "the tooltip window did not show"
read -r _ top _ bottom <<<"$(window_place "$overlord_window" 275)"
expect_equal "the last line's label is taller than the two lines of the others" yes \
  "$( ((bottom - top > 48)) && echo yes || echo "$((bottom - top)) px")"

screenshot tooltips_top
read -r _ before _ _ <<<"$(window_place "$overlord_window" 261)"
xdotool mousemove 600 450
for _ in $(seq 20); do xdotool click 5; done
moved_up() {
  local now
  read -r _ now _ _ <<<"$(window_place "$overlord_window" 261)"
  ((now < before))
}
wait_for 10 moved_up && moved=yes || moved=no
expect_equal "the mouse wheel scrolls the lines up" yes "$moved"
sleep 1
screenshot tooltips_scrolled_down
press Escape  # closes the tooltip window
focus_chat
quit_with_esc
wait_randomiser 10
expect_equal "Esc ends the randomiser with 0" 0 "$randomiser_status"
e2e_finish
