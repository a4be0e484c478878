#!/usr/bin/env bash
# A command needs Ctrl held, and only Ctrl, under Wine: a Ctrl shortcut
# released before a chat line with digits starts nothing, and neither does
# AltGr (Ctrl+Alt) with a digit key, which types '|' or '@' on many layouts.
# A window that a hotkey opens waits until Ctrl is released, so that the game
# sees Ctrl go up. Ctrl held with a digit still types the report.
source "$(dirname "$0")/e2e_lib.sh"

start_chat
start_randomiser rating
wait_past_splash
focus_chat
press ctrl+a
xdotool type --delay 100 "2 1"
press ctrl+alt+1 ctrl+alt+2
sleep 2  # a command would have typed within half a second
expect_equal "neither the digits after Ctrl+A nor AltGr+digit typed a line" 0 "$(tr -cd '\r' <chat.txt | wc -c)"
expect_equal "the randomiser still runs" yes "$(still_runs "$randomiser_pid" && echo yes)"

tooltips_shown() { window_list | grep -qF $'\t'"$overlord_window"; }
xdotool keydown ctrl
press 7
sleep 1.5
expect_equal "Ctrl+7 opens no window while Ctrl is held" no "$(tooltips_shown && echo yes || echo no)"
xdotool keyup ctrl
wait_for 5 tooltips_shown && shown=yes || shown=no
expect_equal "the tooltip window opens once Ctrl is released" yes "$shown"

: >chat.txt
focus_chat
press ctrl+1
wait_randomiser 30
expect_equal "Ctrl held with 1 types the report and ends with 0" 0 "$randomiser_status"
seed=$(typed_seed)
expect_equal "the report is the preview's for seed ${seed:-?}" "$(preview_report "${seed:-0}" rating)" "$(chat_text)"
e2e_finish
