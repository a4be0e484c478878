#!/usr/bin/env bash
# The editor's input window (Ctrl+2) under Wine says "Entered" only for what
# PlayerData.txt holds afterwards: a name with a blank for one player keeps
# its first word and says why the second was not stored; an element outside
# the players in play is refused and nothing is stored; a rating that is no
# rating replaces the label of the last entry.
source "$(dirname "$0")/e2e_lib.sh"

# Enters name $1 and rating $2 for element $3 and waits until label 117 or
# 118 changes from what it read before. "Enter Data" sets both labels in one
# go, and the probe reads them through the editor's message loop: once one
# reads anew, both do.
enter_player() {
  local before117 before118
  before117=$(control_text "$editor_window" 117)
  before118=$(control_text "$editor_window" 118)
  [[ -n $1 ]] && set_text "$editor_window" 110 "$1"
  [[ -n $2 ]] && set_text "$editor_window" 111 "$2"
  set_text "$editor_window" 112 "$3"
  click_control "$editor_window" 113
  wait_for 10 a_label_changed "$before117" "$before118" || true
}
label_changed() { [[ $(control_text "$editor_window" "$1") != "$2" ]]; }
a_label_changed() { label_changed 117 "$1" || label_changed 118 "$2"; }

rm PlayerData.txt
start_editor
wait_editor_ready
default_data=$(cat PlayerData.txt)

enter_player "Jose Luis" 1850 2
wait_for 10 player_data_has "'Jose'" || echo "PlayerData.txt did not take Jose"
expect_equal "one player takes the first word of a name with a blank" \
  "$(sed "s/'p2'/'Jose'/" <<<"$default_data")" "$(cat PlayerData.txt)"
expect_equal "the name label says what was stored and what not" \
  "Entered: Jose (player 2)
Not stored: 'Luis': player 2 takes one name" "$(control_text "$editor_window" 117)"
expect_equal "the rating label says the rating was not stored" \
  "Not stored: the entry stopped at the field above" "$(control_text "$editor_window" 118)"
expect_equal "the name field keeps what was not stored" "Jose Luis" "$(control_text "$editor_window" 110)"
screenshot editor_input_not_stored
after_jose=$(cat PlayerData.txt)

# 6 players are in play: element 9 is refused, and nothing is stored.
press ctrl+2
wait_for 10 control_reads "$editor_window" 110 "" || echo "no fresh input window"
enter_player Ghost 1500 9
refused="Not stored: element '9' is not a player: 1 to 6, or -1 for the next"
expect_equal "element 9 is refused in the name label" "$refused" "$(control_text "$editor_window" 117)"
expect_equal "element 9 is refused in the rating label" "$refused" "$(control_text "$editor_window" 118)"
expect_equal "element 9 stores nothing" "$after_jose" "$(cat PlayerData.txt)"
expect_equal "the element field is set back to -1" "-1" "$(control_text "$editor_window" 112)"

# A rating, then a word that is no rating: the old label does not stay.
press ctrl+2
wait_for 10 control_reads "$editor_window" 110 "" || echo "no fresh input window"
enter_player "" 15 1
wait_for 10 player_data_has "player_rating { 1500 " || echo "PlayerData.txt did not take the rating"
expect_equal "the rating label shows the rating the file holds" "Entered: 1500 (player 1)" \
  "$(control_text "$editor_window" 118)"
set_text "$editor_window" 111 abc
click_control "$editor_window" 113
wait_for 10 label_changed 118 "Entered: 1500 (player 1)" || echo "the rating label did not change"
expect_equal "a word that is no rating says so" \
  "Not stored: 'abc' is not a rating: a number of up to 5 digits, or a rating word" \
  "$(control_text "$editor_window" 118)"
screenshot editor_input_no_rating

quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
