#!/usr/bin/env bash
# The editor's hotkeys rest under Wine while another program's full-screen
# window is in front: Ctrl+5 there (a game's control group) opens no editor
# window, the game keeps the focus and a balloon says why. Once the game has
# closed, Ctrl+5 opens the counts window again.
source "$(dirname "$0")/e2e_lib.sh"

start_editor
wait_editor_ready
e2e_start wine full_screen_game.exe
game_pid=$last_pid
wait_for 30 foreground_is "Full Screen Game" || echo "the full-screen game did not take the focus"
press ctrl+5
wait_for 10 balloon_says "A full-screen game is in front: Rostrix's hotkeys rest" && said=yes || said=no
expect_equal "the balloon says that the editor's hotkeys rest" yes "$said"
sleep 2
screenshot editor_full_screen_rest
expect_equal "Ctrl+5 in the full-screen game opens no counts window" no \
  "$(control_reads "$editor_window" 114 "Number Of Players:" && echo yes || echo no)"
expect_equal "the full-screen game keeps the focus" "Full Screen Game" "$(foreground_title)"

press q
wait_exit 10 "$game_pid"
expect_equal "the full-screen game ends with Q" 0 "$exit_status"
press ctrl+5
wait_for 10 control_reads "$editor_window" 114 "Number Of Players:" && opened=yes || opened=no
expect_equal "with the game closed, Ctrl+5 opens the counts window" yes "$opened"
screenshot editor_full_screen_closed
quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
