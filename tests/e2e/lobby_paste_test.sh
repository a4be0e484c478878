#!/usr/bin/env bash
# A lobby pasted line by line under Wine: on the sample PlayerData.txt, whose
# player 2 (Mirelle) is in friend group 3, Ctrl+1 on a lobby copied as a
# header and a numbered list of four players stores one player a line, names
# of several words joined with '_' and names beyond ASCII in UTF-8. The
# header is passed over; player 2 loses the group of the slot it took,
# player 6 keeps his; the count becomes the four players of the lobby. The
# balloon and the live display say so. Once Results.txt knows a name, a
# paste without its rating gives it the learned rating, and the live display
# shows it; Esc ends the editor with 0.
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

# Results.txt knows Kestrel, who won last week and tonight, once as Kes,
# his other name: in a new lobby
# pasted without ratings, Kes gets the learned rating, unmarked; Zed, whom
# it does not know, gets the default, marked. The live display shows the
# learned column.
printf '%s\r\n' $'2026-03-07 21:00\t1\t1\tKestrel\t1\t1700\tVlad\t2\t1800' $'alias\tKes\tKestrel' \
  $'2026-03-14 21:00\t2\t1\tKes\t1\t1700\tVlad\t2\t1800' >Results.txt
press ctrl+8
wait_for 10 player_data_has "player_num {6}" || echo "Ctrl+8 did not reset PlayerData.txt"
capture_clipboard $'Kes\nZed' "'Kes' 'Zed'"
expect_equal "Kes has the learned rating, Zed the default, marked" yes \
  "$(player_data_has "player_rating { 1857 1600 0 " && player_data_has "player_unrated { 0 1 0 0 0 0 0 0 }" &&
    echo yes || cat PlayerData.txt)"
expect_equal "the balloon names the rating from the history" yes \
  "$(wait_for 15 balloon_says "ratings from the history: Kes 1857" &&
    echo yes || window_list | awk -F'\t' '$2 == "tooltips_class32" { print $3 }')"
press ctrl+6
live_display_has() { [[ $(control_text "$live_display" 120) == *"$1"* ]]; }
expect_equal "the live display shows Kes's learned rating and its change tonight" yes \
  "$(wait_for 10 live_display_has '| Kes             | 1857   | → 1857 (+68 tonight) | 0    |' &&
    echo yes || control_text "$live_display" 120)"
screenshot lobby_paste_learned
quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
