#!/usr/bin/env bash
# One match as the guide walks through it, under Wine: the lobby pasted into
# the editor with Ctrl+1, the counts set with Ctrl+5, the editor quit with
# Esc, the randomiser started from Sortilane_Rated.bat (fair teams), the chat opened and
# Ctrl+1 pressed. The report typed is the preview's for its seed. The
# pictures the guide shows are taken on the way (guide_*.png).
source "$(dirname "$0")/e2e_lib.sh"

# Saves the part WxH+X+Y of the virtual screen as the guide picture $1.
guide_picture() {
  import -display "$DISPLAY" -window root -crop "$2" +repage "$e2e_artifacts/guide_$1.png"
}

# Opens the randomiser's tray menu once its balloon, which sits where the
# menu opens and can take the click, has gone.
open_menu_past_balloon() {
  wait_for 30 window_class_gone tooltips_class32 || echo "the balloon did not go away"
  wait_for 10 open_tray_menu
}

lobby=$'Saturday 3v3\n1. Alder 1650\n2. Brisk 1480\n3. Corra 1720\n4. Dunmore\n5. Ember 1555\n6. Fallow 1610'

rm PlayerData.txt
start_editor
wait_for 30 window_class_shown BRENLOW_ROSTRIX || echo "the editor's splash did not show"
sleep 1  # it shows for five seconds; let it be drawn
guide_picture editor_splash 600x400+212+184
wait_editor_ready
capture_clipboard "$lobby" "'Fallow'"
expect_equal "the lobby's six players are stored, Dunmore given the mean and marked unrated" \
  "player_num {6} team_num {2} player_name { 'Alder' 'Brisk' 'Corra' 'Dunmore' 'Ember' 'Fallow' 'p7' 'p8' } player_rating { 1650 1480 1720 1603 1555 1610 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 } player_unrated { 0 0 0 1 0 0 0 0 }" \
  "$(cat PlayerData.txt)"
expect_equal "the balloon names the unrated player" yes \
  "$(wait_for 15 balloon_says "unrated, given the mean 1603: Dunmore" && echo yes || echo no)"
guide_picture editor_capture 1024x768+0+0

enter_counts 6 3
wait_for 10 player_data_has "team_num {3}" || echo "PlayerData.txt did not take the counts"
sleep 0.5
guide_picture editor_counts 850x665+0+0
quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"

words=(rating fair_teams learned_ratings)
expect_equal "Sortilane_Rated.bat starts the randomiser with fair teams" \
  "Brenlow_Sortilane.exe ${words[*]}" "$(grep -a '^Brenlow_Sortilane.exe' Sortilane_Rated.bat | tr -d '\r')"
e2e_start wine cmd /c Sortilane_Rated.bat
randomiser_pid=$last_pid
wait_for 30 randomiser_splash_shown || echo "the randomiser's splash did not show"
wait_balloon
expect_equal "the start balloon names the unrated player" yes \
  "$(wait_for 10 balloon_says "Unrated, given the lobby's mean (? in the report): Dunmore" && echo yes || echo no)"
guide_picture splash 1024x768+0+0
wait_for 15 window_class_gone BRENLOW_SORTILANE || echo "the splash did not go away"
open_menu_past_balloon
guide_picture tray_menu 240x100+784+668
choose_menu_entry 2 4  # "Display Tooltips"
expect_equal "Display Tooltips in the tray menu opens the tooltip window" yes \
  "$(wait_for 10 control_text "Dastrel's, Brenlow: Sortilane" 261 && echo yes || echo no)"
sleep 0.5
guide_picture tooltips 570x420+331+246

: >chat.txt
e2e_start wine chat_recorder.exe --show chat.txt
wait_for 30 chat_shown || echo "the chat window did not show"
focus_chat
press ctrl+1
wait_randomiser 30
expect_equal "Ctrl+1 types the report and the randomiser ends with 0" 0 "$randomiser_status"
seed=$(typed_seed)
expect_equal "the typed report is the preview's for seed ${seed:-?}" \
  "$(preview_report "${seed:-0}" "${words[@]}")" "$(chat_text)"
expect_equal "the report marks Dunmore's class unrated" yes \
  "$(chat_text | grep -qE '^\| Dunmore +\| \| [A-Za-z]+\? +\|' && echo yes || chat_text)"
guide_picture chat_report 622x432+9+9

e2e_finish
