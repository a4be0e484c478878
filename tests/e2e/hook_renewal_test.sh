#!/usr/bin/env bash
# A game that hooks the keyboard after the randomiser or the editor and passes
# no key on takes the hotkeys away from them under Wine. Both programs
# install their hook anew (the randomiser while it does not type), so the
# hotkeys work again after one period: 30 s in the release, 2 s in the test
# builds Brenlow_Sortilane_QuickHook.exe and Brenlow_Rostrix_QuickHook.exe.
source "$(dirname "$0")/e2e_lib.sh"

# Starts greedy_hook.exe and waits until its hook is in place; its id is in
# greedy_pid. It ends when greedy.ready is deleted.
start_greedy_hook() {
  rm -f greedy.ready
  e2e_start wine greedy_hook.exe greedy.ready
  greedy_pid=$last_pid
  wait_for 20 test -f greedy.ready || { echo "the greedy hook did not start"; return 1; }
}

# The release program: within a few seconds of the game's hook (well within
# its period), Ctrl+1 never reaches it.
start_chat
start_randomiser rating
wait_past_splash
start_greedy_hook
focus_chat
press ctrl+1
sleep 2  # the report would start within half a second
expect_equal "the game's hook swallows Ctrl+1" "" "$(cat chat.txt)"
rm greedy.ready  # the game ends and takes its hook with it
wait_exit 10 "$greedy_pid"
quit_with_esc
wait_randomiser 10
expect_equal "Esc ends it once the game's hook is gone" 0 "$randomiser_status"

# The test build renews its hook every 2 s: Ctrl+1 types the report again.
: >chat.txt
e2e_start wine Brenlow_Sortilane_QuickHook.exe rating
randomiser_pid=$last_pid
wait_past_splash
start_greedy_hook
sleep 3  # one renewal period and a little more
focus_chat
press ctrl+1
wait_randomiser 30
expect_equal "after a renewal Ctrl+1 types the report and ends with 0" 0 "$randomiser_status"
expect_equal "the report reached the chat" yes "$([[ -n $(typed_seed) ]] && echo yes)"

# The editor: the game's hook swallows Esc; the test build's renewed hook
# sees it again.
start_editor
wait_editor_ready
start_greedy_hook
quit_with_esc
sleep 2
expect_equal "the game's hook swallows the editor's Esc" yes "$(still_runs "$editor_pid" && echo yes)"
rm greedy.ready
wait_exit 10 "$greedy_pid"
quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor once the game's hook is gone" 0 "$editor_status"

e2e_start wine Brenlow_Rostrix_QuickHook.exe
editor_pid=$last_pid
wait_editor_ready
start_greedy_hook
sleep 3  # one renewal period and a little more
quit_with_esc
wait_editor 10
expect_equal "after a renewal Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
