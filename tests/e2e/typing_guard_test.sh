#!/usr/bin/env bash
# The report goes only where the host aimed it, and a save that fails is
# said, under Wine. A click into another window while the report types stops
# the typing before the next line or Enter, with an error box; data.txt holds
# the whole report and the randomiser lives on. Ctrl+1 then types the whole
# report again; with a folder in the way of data.txt, a box says that it was
# typed but not saved, and the randomiser quits once the box is closed.
source "$(dirname "$0")/e2e_lib.sh"

start_chat
e2e_start wine chat_recorder.exe --other other.txt
other_shown() { window_list | grep -q $'\tOther Window$'; }
wait_for 30 other_shown || echo "the other window did not show"
start_randomiser rating
wait_past_splash
focus_chat
press ctrl+1
wait_chat_enters 15 3
xdotool mousemove 150 380 click 1  # into the other window
wait_for 10 error_box_text || echo "no error box after the focus moved"
screenshot typing_focus_moved
box=$(error_box_text 2>/dev/null || true)
expect_equal "the box says another window took the focus" yes \
  "$([[ $box == *"another window took the focus"* && $box == *"saved in data.txt"* ]] && echo yes || echo "$box")"
expect_equal "the other window got no Enter" 0 "$(tr -cd '\r' <other.txt | wc -c)"
expect_equal "the typing stopped short of the report" yes \
  "$([[ $(tr -cd '\r' <chat.txt | wc -c) -lt 10 ]] && echo yes)"
seed=$(typed_seed)
report=$(preview_report "${seed:-0}" rating)
expect_equal "data.txt holds the whole report" "$(sed 's/$/\r/' <<<"$report" | od -c)" "$(od -c <data.txt)"
press Return
wait_for 5 error_box_gone || echo "the box did not close"
expect_equal "the randomiser still runs" yes "$(still_runs "$randomiser_pid" && echo yes)"

rm data.txt
mkdir data.txt
: >chat.txt
focus_chat
press ctrl+1
wait_for 30 error_box_text || echo "no error box for the failed save"
screenshot typing_not_saved
box=$(error_box_text 2>/dev/null || true)
expect_equal "the box says the report was typed but not saved, and what a repost would do" yes \
  "$([[ $box == *"typed but not saved"* && $box == *"previous match"* ]] && echo yes || echo "$box")"
expect_equal "Ctrl+1 typed the whole report again, from its first line" "$report" "$(chat_text)"
press Return
wait_randomiser 10
expect_equal "the randomiser ends with 0 once the box is closed" 0 "$randomiser_status"
e2e_finish
