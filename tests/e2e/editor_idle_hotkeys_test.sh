#!/usr/bin/env bash
# The editor answers the first hotkey after 5, 10 and 20 s without a key
# press under Wine, while the game's chat has the focus: each opens its
# input window on the first press. Two busy loops keep both cores busy, as a
# game does; without load the misses were rare. They run in the idle
# scheduling class, so that they take no time from the tests beside this one.
source "$(dirname "$0")/e2e_lib.sh"

start_editor
wait_editor_ready
start_chat  # in front of the live display
e2e_start chrt --idle 0 bash -c 'while :; do :; done'
e2e_start chrt --idle 0 bash -c 'while :; do :; done'
for step in "5 ctrl+5 Number Of Players:" "10 ctrl+4 Player's FMT:" "20 ctrl+2 Player's Name:"; do
  read -r idle keys label <<<"$step"
  focus_chat
  sleep "$idle"
  press "$keys"
  wait_for 10 control_reads "$editor_window" 114 "$label" && answered=yes || answered=no
  expect_equal "after $idle s without a key, the first $keys opens its window" yes "$answered"
done
quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
