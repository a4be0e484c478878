#!/usr/bin/env bash
# A lobby pasted line by line under Wine: on the sample PlayerData.txt, whose
# player 2 (Mirelle) is in friend group 3, Ctrl+1 on a lobby copied as a
# header and a numbered list of four players stores one player a line, names
# of several words joined with '_' and names beyond ASCII in UTF-8. The
# header is passed over; player 2 loses the group of the slot it took,
# player 6 keeps his; the count becomes the four players of the lobby. The
# balloon and the live display say so, and Esc ends the editor with 0.
source "$(dirname "$0")/e2e_lib.sh"

lobby=$'Saturday Night 4v4\n1. José 1850\n2. Ana María 1600\n3. Влад 2400\n4. Old_Bear 800'

expect_equal "the sample gives player 2 friend group 3" yes \
  "$(player_data_has "player_fmt_group { 0 3 0 0 0 3 0 0 }" && echo yes || cat PlayerData.txt)"
start_editor
wait_editor_ready
capture_clipboard "$lobby" "player_rating { 1850 1600 2400 800 "
expect_equal "PlayerData.txt holds the four players, player 2 without a group" \
  "player_num {4} team_num {2} player_name { 'José' 'Ana_María' 'Влад' 'Old_Bear' 'Orrick' 'Pellworth' 'p7' 'p8' } player_rating { 1850 1600 2400 800 1340 1610 0 0 } player_fmt_group { 0 0 0 0 0 3 0 0 }" \
  "$(cat PlayerData.txt)"
expect_equal "the balloon says what was taken, passed over and cleared" yes \
  "$(wait_for 15 balloon_says "Taken line by line: 4 players (players 1 to 4) 4 players in 2 teams passed over 'Saturday Night 4v4' (a header) friend groups cleared: 1" &&
    echo yes || window_list | awk -F'\t' '$2 == "tooltips_class32" { print $3 }')"
# The live display pads its 15-character name column by characters.
for row in "$(printf '| %s%*s | 1600   | 0    |' Ana_María 6 '')" "$(printf '| %s%*s | 2400   | 0    |' Влад 11 '')" \
  "| Old_Bear        | 800    | 0    |"; do
  expect_equal "the live display shows the row [$row]" yes \
    "$(control_text "$live_display" 120 | grep -qF -- "$row" && echo yes || control_text "$live_display" 120)"
done
screenshot lobby_paste
quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
