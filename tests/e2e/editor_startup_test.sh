#!/usr/bin/env bash
# The editor's life under Wine: without PlayerData.txt it creates the default
# file; after the splash the live display and the input window for a name and
# rating are shown (kept as a screenshot); a second copy says the editor runs and ends; the
# tray icon comes back after a shell restart; Esc quits. A start that fails
# (no splash picture, a PlayerData.txt that cannot be read or that lost a })
# shows one error box in front with this run's debug lines and where
# debug.txt is, and ends with 0 once it is closed.
source "$(dirname "$0")/e2e_lib.sh"

rm PlayerData.txt
start_editor
wait_for 30 splash_shown || echo "the splash did not show"
screenshot editor_splash
expect_equal "the splash comes before the input window" no \
  "$(control_text "$editor_window" 114 >/dev/null 2>&1 && echo yes || echo no)"
wait_editor_ready
screenshot editor_startup
expect_equal "the default PlayerData.txt is created" \
  "player_num {6} team_num {2} player_name { 'p1' 'p2' 'p3' 'p4' 'p5' 'p6' 'p7' 'p8' } player_rating { 0 0 0 0 0 0 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 }" \
  "$(cat PlayerData.txt)"
expect_equal "the input window asks for a rating" "Player's Rate:" "$(control_text "$editor_window" 115)"
shown=$(control_text "$live_display" 120)
expect_equal "the live display lists the default players" yes \
  "$([[ $shown == *p1* && $shown == *p6* ]] && echo yes || echo "$shown")"

expect_second_copy_box Brenlow_Rostrix.exe "Brenlow Rostrix" editor_second_copy "$editor_pid"

status=0
timeout 20 wine tray_restart.exe BRENLOW_ROSTRIX 201 || status=$?
expect_equal "the tray icon is added again when the shell restarts" 0 "$status"

quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
expect_equal "no debug lines from a normal run" "" "$(cat debug.txt 2>/dev/null || true)"

folder=$(winepath -w "$PWD")
# Starts the editor, expects the error box for $1 with the lines debug.txt
# then holds and the place of debug.txt, closes it and expects exit code 0.
expect_failure_box() {
  rm -f debug.txt
  start_editor
  wait_for 20 control_text Error 65535 || echo "no error box for $1"
  expect_equal "the box for $1 holds this run's lines and the log's place" \
    "$(tr -d '\r' <debug.txt 2>/dev/null)"$'\n\n'"See debug.txt in $folder" "$(control_text Error 65535 || true)"
  expect_equal "the box for $1 comes in front with the focus" Error "$(foreground_title)"
  screenshot "editor_startup_failure_${1// /_}"
  press Return
  wait_editor 10
  expect_equal "exit code for $1" 0 "$editor_status"
}

mv Images/rostrix_flash.bmp Images/away.bmp
expect_failure_box "a missing splash picture"
expect_equal "the missing splash picture's line" "Could not load the splash picture ./Images/rostrix_flash.bmp" \
  "$(tr -d '\r' <debug.txt)"
mv Images/away.bmp Images/rostrix_flash.bmp

echo "player_num 6" >PlayerData.txt
expect_failure_box "a PlayerData.txt that cannot be read"
expect_equal "the unreadable file's last line" "Could not make PlayerData.txt ready" "$(tr -d '\r' <debug.txt | tail -n 1)"

lost_brace="player_num {6} team_num {2} player_name { 'p1' 'p2' 'p3' 'p4' 'p5' 'p6' 'p7' 'p8' player_rating { 0 0 0 0 0 0 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 }"
printf '%s' "$lost_brace" >PlayerData.txt
expect_failure_box "PlayerData names without their closing bracket"
expect_equal "the lost }'s lines, in the randomiser's words" \
  "PlayerData.txt has no player_rating - is a } or a quote missing before it?"$'\n'"Could not make PlayerData.txt ready" \
  "$(tr -d '\r' <debug.txt)"
expect_equal "the file that lost a } is left as it was" "$lost_brace" "$(cat PlayerData.txt)"
e2e_finish
