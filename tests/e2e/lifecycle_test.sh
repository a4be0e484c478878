#!/usr/bin/env bash
# The randomiser's life under Wine: splash, tray icon and balloon (kept as a
# screenshot), a second copy that says the program runs, the icon after a
# shell restart (also across the splash's end), Esc, the tray menu, the
# tooltip window with and without its picture (start-up failures:
# startup_failure_test.sh).
source "$(dirname "$0")/e2e_lib.sh"

start_randomiser rating handicap single_tier 3
wait_for 30 randomiser_splash_shown
wait_balloon
screenshot lifecycle_splash_tray_balloon
expect_equal "the program stays resident after start" yes "$(kill -0 "$randomiser_pid" 2>/dev/null && echo yes)"

expect_second_copy_box Brenlow_Sortilane.exe "Brenlow Sortilane" lifecycle_second_copy "$randomiser_pid" rating

status=0
timeout 20 wine tray_restart.exe BRENLOW_SORTILANE 110 || status=$?
expect_equal "the tray icon is added again when the shell restarts" 0 "$status"

wait_for 15 window_class_gone BRENLOW_SORTILANE  # after five seconds; the icon stays
screenshot lifecycle_resident
quit_with_esc
wait_randomiser 10
expect_equal "Esc ends the program with 0" 0 "$randomiser_status"
expect_equal "no debug lines from a normal run" "" "$(cat debug.txt 2>/dev/null || true)"

# A shell that restarts while the splash ends has lost the icon when the
# draw's balloon is asked for: the balloon comes with the icon again.
start_randomiser rating
wait_for 30 randomiser_splash_shown
status=0
timeout 60 wine tray_restart.exe BRENLOW_SORTILANE 110 --across-splash || status=$?
expect_equal "the tray icon is added again when the shell restarts across the splash's end" 0 "$status"
expect_equal "the draw's balloon, refused without the icon, comes with it again" yes \
  "$(wait_for 15 balloon_says "Map: " && echo yes || echo no)"
screenshot lifecycle_draw_balloon_after_restart
expect_equal "a note refused without the icon logs no line" "" "$(cat debug.txt 2>/dev/null || true)"
start_probe_server

# The tray menu: Credits opens the credits window with its red heading; Exit quits.
open_tray_menu
screenshot lifecycle_tray_menu
choose_menu_entry 3 4  # "Credits"
heading=$(wait_for 10 control_text "$overlord_window" 251 && probe "$overlord_window" 251 | head -n 1)
wait_for 5 window_class_gone "#32768"
screenshot lifecycle_credits
expect_equal "Credits shows the red heading" yes \
  "$(awk -v share="$(red_share lifecycle_credits 200 40 ${heading:-0 0})" 'BEGIN { print (share > 0.02) ? "yes" : "no" }')"
open_tray_menu
choose_menu_entry 1 4  # "Exit"
wait_randomiser 10
expect_equal "Exit in the tray menu ends the program with 0" 0 "$randomiser_status"

# Ctrl+7 shows the tooltip window with its chat example; without the picture
# it shows the window all the same and logs a line.
tooltips_shown() { control_reads "$overlord_window" 261 "Press Ctrl+1 to write result to active text caret"; }
# Esc in the tooltip window closes it; Esc twice then ends the randomiser.
quit_from_tooltips() {
  press Escape
  wait_for 10 window_class_gone "Brenlow Overlord" || echo "Esc did not close the tooltip window"
  quit_with_esc
  wait_randomiser 10
}
start_randomiser rating
wait_past_splash
press ctrl+7
wait_for 10 tooltips_shown || echo "the tooltip window did not show"
screenshot lifecycle_tooltips
quit_from_tooltips
mv Images/chat_example.bmp Images/away.bmp
start_randomiser rating
wait_past_splash
press ctrl+7
expect_equal "Ctrl+7 without the chat example shows the tooltip window" yes \
  "$(wait_for 10 tooltips_shown && echo yes || echo no)"
screenshot lifecycle_tooltips_without_picture
expect_equal "Ctrl+7 without the chat example logs a line" \
  "Could not load the chat example picture ./Images/chat_example.bmp" "$(tr -d '\r' <debug.txt 2>/dev/null || true)"
quit_from_tooltips
mv Images/away.bmp Images/chat_example.bmp

e2e_finish
