#!/usr/bin/env bash
# Esc under Wine while the randomiser's tooltip window (Ctrl+7) has the focus
# closes that window only, and the randomiser lives on; Esc in the game then
# ends it. The editor, running beside it, says in its balloon once the
# randomiser has ended that its hotkeys work again.
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
sleep 1
expect_equal "the randomiser still runs" yes "$(still_runs "$randomiser_pid" && echo yes)"

focus_chat
press Escape
wait_randomiser 10
expect_equal "Esc in the game ends the randomiser with 0" 0 "$randomiser_status"
wait_for 10 balloon_says "Sortilane has ended: Rostrix's hotkeys work again" && said=yes || said=no
expect_equal "the editor's balloon says that its hotkeys work again" yes "$said"
screenshot esc_editor_awake
e2e_finish
