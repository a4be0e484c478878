#!/usr/bin/env bash
# Esc under Wine while the randomiser's tooltip window (Ctrl+7) has the focus
# closes that window only, and the randomiser lives on; one Esc in the game
# then ends nothing and asks for another, and Esc twice within a second ends
# it. The editor, running beside it, says in its balloon once the randomiser
# has ended that its hotkeys work again, and ends on Esc twice too. Once the
# tooltip window has closed the chat has the focus again, not the editor.
source "$(dirname "$0")/e2e_lib.sh"

start_editor
wait_editor_ready
start_chat
start_randomiser rating
wait_past_splash
focus_chat
press ctrl+7
wait_for 10 foreground_is "$overlord_window" || echo "the tooltip window did not take the focus"
press Escape
wait_for 10 window_class_gone "Brenlow Overlord" && closed=yes || closed=no
expect_equal "Esc in the tooltip window closes it" yes "$closed"
# The editor's input window, behind, does not take the focus: the next
# hotkey types into the chat again.
wait_for 5 foreground_is "Chat Recorder" && back=yes || back=no
expect_equal "the chat has the focus again once the tooltip window has closed" yes "$back"
sleep 1
expect_equal "the randomiser still runs" yes "$(still_runs "$randomiser_pid" && echo yes)"

# One Esc in the game (the key that closes its chat) ends neither program:
# the randomiser's balloon asks for another, and Esc twice within a second
# ends the randomiser, whose hotkeys are the ones that count.
focus_chat
press Escape
wait_for 10 balloon_says "Press Esc again to quit Sortilane" && said=yes || said=no
expect_equal "one Esc in the game shows the randomiser's balloon" yes "$said"
screenshot esc_once_balloon
sleep 1
expect_equal "one Esc leaves the randomiser running" yes "$(still_runs "$randomiser_pid" && echo yes)"
expect_equal "one Esc leaves the editor running" yes "$(still_runs "$editor_pid" && echo yes)"
quit_with_esc
wait_randomiser 10
expect_equal "Esc twice in the game ends the randomiser with 0" 0 "$randomiser_status"
wait_for 10 balloon_says "Sortilane has ended: Rostrix's hotkeys work again" && said=yes || said=no
expect_equal "the editor's balloon says that its hotkeys work again" yes "$said"
screenshot esc_editor_awake
expect_equal "the editor lives on" yes "$(still_runs "$editor_pid" && echo yes)"

# Now the editor's hotkeys count: one Esc asks, two end it.
focus_chat
press Escape
wait_for 10 balloon_says "Press Esc again to quit Rostrix" && said=yes || said=no
expect_equal "one Esc shows the editor's balloon" yes "$said"
sleep 1
expect_equal "one Esc leaves the editor running" yes "$(still_runs "$editor_pid" && echo yes)"
quit_with_esc
wait_editor 10
expect_equal "Esc twice ends the editor with 0" 0 "$editor_status"
e2e_finish
