#!/usr/bin/env bash
# The editor's hotkeys under Wine right after the randomiser has ended: Ctrl+5
# pressed 2 s after Ctrl+9 ended the randomiser opens the counts window.
# (The randomiser's hook came first in line; the editor's hook got no key
# after the randomiser's end until it was installed again.)
source "$(dirname "$0")/e2e_lib.sh"

start_editor
wait_editor_ready
start_chat
start_randomiser rating
wait_past_splash
focus_chat
press ctrl+9
wait_randomiser 30
expect_equal "Ctrl+9 ends the randomiser with 0" 0 "$randomiser_status"
sleep 2
press ctrl+5
wait_for 5 control_reads "$editor_window" 114 "Number Of Players:" && answered=yes || answered=no
expect_equal "2 s after the randomiser's end, the editor's Ctrl+5 opens its window" yes "$answered"
e2e_finish
