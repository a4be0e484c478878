#!/usr/bin/env bash
# The editor left running beside the randomiser under Wine: its hotkeys rest
# while the randomiser runs. Ctrl+8 tosses the coin and Ctrl+1 types the
# report once, PlayerData.txt stays byte for byte, the randomiser's start
# balloon says why the editor rests, and the editor lives on; once the
# randomiser has ended, Esc ends it.
source "$(dirname "$0")/e2e_lib.sh"

start_editor
wait_editor_ready
capture_clipboard "Alpha 1500" "'Alpha'"
cp PlayerData.txt "$e2e_work/PlayerData.before"

start_chat
start_randomiser rating
wait_for 30 randomiser_splash_shown || echo "the splash did not show"
wait_for 15 balloon_says "Rostrix's hotkeys rest until Sortilane ends" && said=yes || said=no
expect_equal "the randomiser's start balloon says that the editor's hotkeys rest" yes "$said"
wait_for 15 window_class_gone BRENLOW_SORTILANE || echo "the splash did not go away"
focus_chat
press ctrl+8
wait_chat_enters 10 1 || echo "Ctrl+8 typed no coin"
screenshot both_programs_rest
press ctrl+1
wait_randomiser 30
expect_equal "Ctrl+1 ends the randomiser with 0" 0 "$randomiser_status"
expect_equal "the report reached the chat once" 1 "$(chat_text | grep -c 'Seed: ')"
expect_equal "PlayerData.txt is byte for byte as before" "$(od -c "$e2e_work/PlayerData.before")" "$(od -c PlayerData.txt)"
expect_equal "the editor still runs" yes "$(still_runs "$editor_pid" && echo yes)"

# The editor's hotkeys work again once its look (twice a second) has seen
# the randomiser end, and its balloon says so.
wait_for 10 balloon_says "Sortilane has ended: Rostrix's hotkeys work again" || echo "the editor did not say it woke"
quit_with_esc
wait_editor 10
expect_equal "with the randomiser gone, Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
