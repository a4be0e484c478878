#!/usr/bin/env bash
# A lobby of eight pasted in one go under Wine, as a host's evening begins:
# after Ctrl+8 (six players), Ctrl+1 on a lobby of eight, one of them without
# a rating, sets the count to 8, cuts a long name, drops a tag and a word
# after a rating, and gives the player without a rating the lobby's mean,
# marked unrated. The live display shows the file again after another
# program changed it (Ctrl+6), and no longer marks the player once a result
# in Results.txt has rated him, nor once a second result, which it sees
# without a key, has rated him again. The randomiser with "rating" then types a
# report of all eight players, the unrated one's class marked '?', and the
# report is the preview's for its seed.
source "$(dirname "$0")/e2e_lib.sh"

start_editor
wait_editor_ready
press ctrl+8
wait_for 10 player_data_has "player_num {6}" || echo "Ctrl+8 did not reset PlayerData.txt"

lobby=$'Saturday 4v4 - signups\n1. [HOST] Kestrel_the_Great 1720 elo\n2. Ana María 1600\n3. Vlad: 1810\n4. Orrick 1340\n5. Pellworth 1610\n6. Senna 1590\n7. NewGuy\n8. Mirelle 1500'
capture_clipboard "$lobby" "player_num {8}"
expect_equal "PlayerData.txt holds the eight players, NewGuy given the mean and marked" \
  "player_num {8} team_num {2} player_name { 'Kestrel_the_Gre' 'Ana_María' 'Vlad' 'Orrick' 'Pellworth' 'Senna' 'NewGuy' 'Mirelle' } player_rating { 1720 1600 1810 1340 1610 1590 1596 1500 } player_fmt_group { 0 0 0 0 0 0 0 0 } player_unrated { 0 0 0 0 0 0 1 0 }" \
  "$(cat PlayerData.txt)"
expect_equal "the balloon says the count, the unrated player, the cut name and the header" yes \
  "$(wait_for 15 balloon_says "Taken line by line: 8 players (players 1 to 8) 8 players in 2 teams unrated, given the mean 1596: NewGuy cut to 15 characters: Kestrel_the_Gre passed over 'Saturday 4v4 - signu...' (a header)" &&
    echo yes || window_list | awk -F'\t' '$2 == "tooltips_class32" { print $3 }')"
screenshot lobby_evening_balloon
expect_equal "the live display marks NewGuy's rating" yes \
  "$(control_text "$live_display" 120 | grep -qF -- "| NewGuy          | 1596?  | 0    |" && echo yes ||
    control_text "$live_display" 120)"

# Another program renames Senna; Ctrl+6 shows the file as it is now.
live_display_has() { [[ $(control_text "$live_display" 120) == *"$1"* ]]; }
sed -i "s/'Senna'/'Zora'/" PlayerData.txt
press ctrl+6
expect_equal "after Ctrl+6 the live display shows what the file holds" yes \
  "$(wait_for 10 live_display_has '| Zora            | 1590   |' &&
    echo yes || control_text "$live_display" 120)"
screenshot lobby_evening_display

# Results.txt gains a won match of NewGuy: the live display no longer marks
# him unrated and says what rated him. The randomiser's run below, with
# "rating" alone, reads no history and still marks him.
printf '2026-03-14 20:05\t1\t1\tNewGuy\t1\t1596?\tVlad\t2\t1810\r\n' >Results.txt
press ctrl+6
expect_equal "once a result has rated NewGuy the live display no longer marks him" yes \
  "$(wait_for 10 live_display_has '| NewGuy          | 1596   |' && live_display_has 'learned from 1 match: NewGuy' &&
    echo yes || control_text "$live_display" 120)"
screenshot lobby_evening_learned

# A second result, written as a .bat would, with no key pressed: the editor
# sees Results.txt change and shows what it teaches now.
printf '2026-03-14 20:40\t2\t1\tNewGuy\t1\t1596?\tVlad\t2\t1810\r\n' >>Results.txt
expect_equal "the live display follows Results.txt without a key" yes \
  "$(wait_for 10 live_display_has 'learned from 2 matches: NewGuy' && live_display_has '(new tonight)' &&
    echo yes || control_text "$live_display" 120)"
quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"

start_chat
type_into_chat_with rating
expect_equal "Ctrl+1 ends the randomiser with 0" 0 "$randomiser_status"
report=$(chat_text)
expect_equal "the report is for 8 players" yes "$([[ $report == *'P-8 T-2'* ]] && echo yes || echo "$report")"
expect_equal "the report marks NewGuy's rating class unrated" yes \
  "$(grep -qE '^\| NewGuy +\| \| [A-Za-z]+\? +\|' <<<"$report" && echo yes || echo "$report")"
seed=$(typed_seed)
expect_equal "the typed report is the preview's for seed ${seed:-?}" "$(preview_report "${seed:-0}" rating)" "$report"
e2e_finish
