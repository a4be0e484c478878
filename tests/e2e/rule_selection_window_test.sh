#!/usr/bin/env bash
# The rule selection window (Ctrl+4) under Wine: it opens with the caret in
# its entry, so the host types at once; Enter submits; a refused entry keeps
# it open with its message, a chosen rule set closes it with a balloon. A
# typing hotkey pressed while it is in front types nothing into it and says
# to click into the game's chat first.
source "$(dirname "$0")/e2e_lib.sh"

start_chat
start_randomiser rating
wait_past_splash
focus_chat
rule_selection_shown() { control_text "$overlord_window" 255 >/dev/null; }
open_rule_selection() { press ctrl+4 && wait_for 2 rule_selection_shown; }
wait_for 10 open_rule_selection || echo "the rule selection window did not show"
wait_for 5 foreground_is "$overlord_window" || echo "the rule selection window did not take the focus"

xdotool type --delay 100 nomad
wait_for 5 control_reads "$overlord_window" 255 nomad && typed=yes || typed=no
expect_equal "what the host types at once goes into the entry" yes "$typed"
press Return
wait_for 5 control_reads "$overlord_window" 257 "Error: ~ Could Not Find Rules In List" && refused=yes || refused=no
expect_equal "Enter submits, and a refused entry keeps the window open with its message" yes "$refused"
screenshot rule_selection_refused

press ctrl+1
wait_for 10 error_box_text || echo "no box for Ctrl+1 in the rule selection window"
screenshot rule_selection_ctrl1
box=$(error_box_text 2>/dev/null || true)
expect_equal "Ctrl+1 in the rule selection window says to click into the game's chat first" yes \
  "$([[ $box == *"Click into the game's chat first"* ]] && echo yes || echo "$box")"
press Return
wait_for 5 error_box_gone || echo "the box did not close"
expect_equal "Ctrl+1 typed nothing into the entry" nomad "$(control_text "$overlord_window" 255)"
expect_equal "Ctrl+1 typed nothing into the chat" "" "$(cat chat.txt)"
expect_equal "the randomiser still runs" yes "$(still_runs "$randomiser_pid" && echo yes)"

probe --set "$overlord_window" 255 2
wait_for 5 control_reads "$overlord_window" 255 2 || echo "the entry did not take 2"
wait_for 5 foreground_is "$overlord_window" || echo "the rule selection window did not have the focus"
press Return
wait_for 5 window_class_gone "Brenlow Overlord" && closed=yes || closed=no
expect_equal "a chosen rule set closes the window" yes "$closed"
wait_for 10 balloon_says "Selected New Rules - ./rules/nomads.txt" && said=yes || said=no
expect_equal "the balloon says which rule set was chosen" yes "$said"
screenshot rule_selection_chosen
focus_chat
press ctrl+2
wait_chat_enters 10 "$(rule_text_typed Rules/nomads.txt | tr -cd '\r' | wc -c)"
expect_equal "Ctrl+2 in the chat then types the chosen rule set" \
  "$(rule_text_typed Rules/nomads.txt | od -c)" "$(od -c <chat.txt)"
quit_with_esc
wait_randomiser 10
expect_equal "Esc ends the randomiser with 0" 0 "$randomiser_status"
e2e_finish
