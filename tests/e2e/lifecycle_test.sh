#!/usr/bin/env bash
# The randomiser's life under Wine: splash, tray icon and balloon (kept as a
# screenshot), a second copy, the icon after a shell restart, Esc, the tray
# menu, a bad option word, a missing splash picture.
source "$(dirname "$0")/e2e_lib.sh"

start_randomiser rating handicap single_tier 3
wait_for 30 splash_shown
sleep 3  # the balloon follows the icon after about two seconds
screenshot lifecycle_splash_tray_balloon
expect_equal "the program stays resident after start" yes "$(kill -0 "$randomiser_pid" 2>/dev/null && echo yes)"

first_pid=$randomiser_pid
status=0
timeout 20 wine Brenlow_Sortilane.exe rating || status=$?
expect_equal "a second copy exits at once with 0" 0 "$status"
randomiser_pid=$first_pid

status=0
timeout 20 wine tray_restart.exe BRENLOW_SORTILANE 110 || status=$?
expect_equal "the tray icon is added again when the shell restarts" 0 "$status"

wait_for 15 splash_hidden  # after five seconds; the icon stays
screenshot lifecycle_resident
press Escape
wait_randomiser 10
expect_equal "Esc ends the program with 0" 0 "$randomiser_status"
expect_equal "no debug lines from a normal run" "" "$(cat debug.txt 2>/dev/null || true)"

# The tray menu: Credits opens the credits window with its red heading; Exit quits.
start_randomiser rating
wait_past_splash
sleep 1
open_tray_menu
screenshot lifecycle_tray_menu
xdotool mousemove 945 757 click 1  # "Credits", the third entry
sleep 1
screenshot lifecycle_credits
expect_equal "Credits shows the red heading" yes \
  "$(awk -v share="$(red_share lifecycle_credits 200 50 540 295)" 'BEGIN { print (share > 0.02) ? "yes" : "no" }')"
open_tray_menu
xdotool mousemove 937 725 click 1  # "Exit", the first entry
wait_randomiser 10
expect_equal "Exit in the tray menu ends the program with 0" 0 "$randomiser_status"

status=0
timeout 20 wine Brenlow_Sortilane.exe rating Foo || status=$?
expect_equal "exit code of a bad word" 1 "$status"
expect_equal "debug line of a bad word" "Error Args? - foo" "$(tr -d '\r' <debug.txt)"
rm -f debug.txt

mv Images/randomiser_flash.bmp Images/away.bmp
status=0
timeout 20 wine Brenlow_Sortilane.exe rating || status=$?
expect_equal "exit code without the splash picture" 0 "$status"
expect_equal "debug line without the splash picture" \
  "Could not load the splash picture ./Images/randomiser_flash.bmp" "$(tr -d '\r' <debug.txt 2>/dev/null || true)"
mv Images/away.bmp Images/randomiser_flash.bmp

e2e_finish
