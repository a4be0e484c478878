#!/usr/bin/env bash
# The editor's changes to PlayerData.txt under Wine: a clipboard without text
# is refused; two clipboard captures with Ctrl+1 fill players 1 and 2 and
# leave the rest of the file as it was; the counts window (Ctrl+5) stores 8
# players in 4 teams; Ctrl+8 restores the default file.
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
press Return
expect_equal "Enter closes the error box" yes \
  "$(wait_for 5 bash -c '! wine window_probe.exe Error 65535' && echo yes || echo no)"
expect_equal "a clipboard without text leaves the file" "$default_data" "$(cat PlayerData.txt)"

capture_clipboard "Alpha 1500" "'Alpha'"
capture_clipboard "Beta 1600" "'Beta'"
expect_equal "players 1 and 2 are Alpha/1500 and Beta/1600, the rest as before" \
  "$(sed "s/'p1' 'p2'/'Alpha' 'Beta'/; s/player_rating { 0 0 /player_rating { 1500 1600 /" <<<"$default_data")" \
  "$(cat PlayerData.txt)"
shown=$(control_text "$live_display" 120)
expect_equal "the live display shows the captured players" yes \
  "$([[ $shown == *Alpha*1500* && $shown == *Beta*1600* ]] && echo yes || echo "$shown")"
captured_data=$(cat PlayerData.txt)

enter_counts 8 4
wait_for 10 player_data_has "team_num {4}" || echo "PlayerData.txt did not take the counts"
expect_equal "8 players in 4 teams are stored, the rest as before" \
  "$(sed "s/player_num {6} team_num {2}/player_num {8} team_num {4}/" <<<"$captured_data")" "$(cat PlayerData.txt)"
expect_equal "the input window confirms the players" "Entered: 8 Players" "$(control_text "$editor_window" 117)"
expect_equal "the input window confirms the teams" "Entered: 4 Teams" "$(control_text "$editor_window" 118)"
screenshot editor_counts

press ctrl+8
wait_for 10 player_data_has "'p1'" || echo "PlayerData.txt was not reset"
expect_equal "Ctrl+8 restores the default file" "$default_data" "$(cat PlayerData.txt)"

press Escape
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
