#!/usr/bin/env bash
# The hand-off from the editor to the randomiser under Wine: the editor makes
# PlayerData.txt with Alpha and Beta from the clipboard and 8 players in 4
# teams; the randomiser, started afterwards with "rating", types on Ctrl+1 the
# report the native preview computes from that file.
source "$(dirname "$0")/e2e_lib.sh"

rm PlayerData.txt
start_editor
wait_editor_ready
capture_clipboard "Alpha 1500" "'Alpha'"
capture_clipboard "Beta 1600" "'Beta'"
enter_counts 8 4
wait_for 10 player_data_has "player_num {8} team_num {4}" || echo "PlayerData.txt did not take the counts"
quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"

start_chat
type_into_chat_with rating
expect_equal "Ctrl+1 ends the randomiser with 0" 0 "$randomiser_status"
report=$(chat_text)
expect_equal "the report's table holds Alpha and Beta" yes \
  "$([[ $report == *'| Alpha '*'|'* && $report == *'| Beta '*'|'* ]] && echo yes || echo "$report")"
expect_equal "the report is for 8 players in 4 teams" yes "$([[ $report == *'P-8 T-4'* ]] && echo yes)"
seed=$(typed_seed)
expect_equal "the typed report is the preview's for seed ${seed:-?}" "$(preview_report "${seed:-0}" rating)" "$report"
e2e_finish
