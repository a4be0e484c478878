#!/usr/bin/env bash
# The editor's changes to PlayerData.txt under Wine: a clipboard without text
# is refused with an error box in front; two clipboard captures with Ctrl+1
# fill players 1 to 8 and leave the rest of the file as it was, each with a
# balloon that says what it took; a third says where it stopped and that
# the players are filled; the counts window (Ctrl+5) stores 8 players in 4
# teams, and the live display shows all of them; the FMT window stores a team
# pin and an apart group, which the display shows; Ctrl+8 restores the
# default file.
source "$(dirname "$0")/e2e_lib.sh"

rm PlayerData.txt
start_editor
wait_editor_ready
default_data=$(cat PlayerData.txt)

# A clipboard without text is refused with an error box; the file stays.
serve_clipboard Images/ruletext_bg.bmp image/bmp
press ctrl+1
wait_for 10 control_text Error 65535 || echo "no error box"
expect_equal "a clipboard without text shows the error box" "Invalid data in Clipboard" \
  "$(control_text Error 65535 || true)"
expect_equal "the error box is the foreground window" Error "$(foreground_title)"
expect_equal "the error box is in front of the editor's windows" Error \
  "$(front_window_of Error "$editor_window" "$live_display")"
press Return
expect_equal "Enter closes the error box" yes \
  "$(wait_for 5 error_box_gone && echo yes || echo no)"
expect_equal "a clipboard without text leaves the file" "$default_data" "$(cat PlayerData.txt)"

capture_clipboard "Alpha 1500 Bravo 1600 Charlie 1700 Delta 1800" "'Delta'"
expect_equal "the balloon says what the capture took" yes \
  "$(wait_for 15 balloon_says "Taken: 4 names and 4 ratings" && echo yes || echo no)"
capture_clipboard $'Echo 1500\r\nFoxtrot 1600\r\nGolf 1700\r\nHotel 1800' "'Hotel'"
expect_equal "players 1 to 8 are the captured ones, the rest as before" \
  "$(sed "s/'p1' 'p2' 'p3' 'p4' 'p5' 'p6' 'p7' 'p8'/'Alpha' 'Bravo' 'Charlie' 'Delta' 'Echo' 'Foxtrot' 'Golf' 'Hotel'/
          s/player_rating { 0 0 0 0 0 0 0 0 }/player_rating { 1500 1600 1700 1800 1500 1600 1700 1800 }/" \
          <<<"$default_data")" \
  "$(cat PlayerData.txt)"
captured_data=$(cat PlayerData.txt)

# A third paste finds no free player; its balloon says so and where it stopped.
set_clipboard "India 1900 - Juliet 2000"
press ctrl+1
expect_equal "the third paste's balloon says where it stopped and that the players are filled" yes \
  "$(wait_for 15 balloon_says \
    "Taken: 0 names and 0 ratings stopped at '-' all 8 players are filled; Ctrl+8 starts again at player 1" &&
    echo yes || echo no)"
screenshot editor_capture_balloon
expect_equal "the third paste changes nothing" "$captured_data" "$(cat PlayerData.txt)"

enter_counts 8 4
wait_for 10 player_data_has "team_num {4}" || echo "PlayerData.txt did not take the counts"
expect_equal "8 players in 4 teams are stored, the rest as before" \
  "$(sed "s/player_num {6} team_num {2}/player_num {8} team_num {4}/" <<<"$captured_data")" "$(cat PlayerData.txt)"
expect_equal "the input window confirms the players" "Entered: 8 Players" "$(control_text "$editor_window" 117)"
expect_equal "the input window confirms the teams" "Entered: 4 Teams" "$(control_text "$editor_window" 118)"
screenshot editor_counts

# All 8 players and the closing rule are seen in the live display: the
# lowest line drawn in its contents label is the rule, inside the window
# and on the screen.
press ctrl+6
wait_for 10 foreground_is "$live_display" || echo "the live display did not come to the front"
sleep 0.5
screenshot editor_live_display_8
shown=$(control_text "$live_display" 120)
expect_equal "the live display holds player 8" yes "$([[ $shown == *'| Hotel '*'| 1800 '* ]] && echo yes || echo "$shown")"
read -r left top right bottom <<<"$(window_place "$live_display")"
read -r c_left c_top c_right c_bottom <<<"$(window_place "$live_display" 120)"
expect_equal "the contents label lies inside the live display, which fits the screen" yes \
  "$( ((c_top >= top && c_bottom < bottom && bottom <= 768 && top >= 0)) && echo yes ||
    echo "$left $top $right $bottom / $c_left $c_top $c_right $c_bottom")"
expect_equal "the lowest line of the live display is the closing rule" yes \
  "$(awk '{ print ($1 >= 0.5 ? "yes" : "no: " $1) }' <<<"$(lowest_dark_row_share editor_live_display_8 "$c_left $c_top $c_right $c_bottom")")"

# The FMT window (Ctrl+4) pins Bravo to team 2 and puts him in apart group
# 7: both lists join the file and the live display shows both columns.
counts_data=$(cat PlayerData.txt)
display_has() { [[ $(control_text "$live_display" 120) == *"$1"* ]]; }
press ctrl+4
wait_for 10 control_reads "$editor_window" 131 "Team pin (0 none):" || echo "no pin field in the FMT window"
set_text "$editor_window" 132 2
set_text "$editor_window" 135 7
set_text "$editor_window" 112 2
screenshot editor_fmt_pins
click_control "$editor_window" 113
wait_for 10 player_data_has "player_apart_group { 0 7 0" || echo "PlayerData.txt did not take the apart group"
expect_equal "the pin and the apart group join the file as lists" \
  "$counts_data player_team_pin { 0 2 0 0 0 0 0 0 } player_apart_group { 0 7 0 0 0 0 0 0 }" "$(cat PlayerData.txt)"
expect_equal "the FMT window confirms the pin" "Entered: 2 (player 2)" "$(control_text "$editor_window" 133)"
expect_equal "the FMT window confirms the apart group" "Entered: 7 (player 2)" "$(control_text "$editor_window" 136)"
wait_for 10 display_has "| Pin | Apart |" || echo "the live display shows no pins"
screenshot editor_fmt_pins_entered
shown=$(control_text "$live_display" 120)
expect_equal "the live display shows Bravo's pin and apart group" yes \
  "$([[ $shown == *'| Bravo '*'| 2   | 7     |'* ]] && echo yes || echo "$shown")"

press ctrl+8
wait_for 10 player_data_has "'p1'" || echo "PlayerData.txt was not reset"
expect_equal "Ctrl+8 restores the default file" "$default_data" "$(cat PlayerData.txt)"

quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
