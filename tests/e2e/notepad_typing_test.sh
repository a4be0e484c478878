#!/usr/bin/env bash
# Ctrl+1 under Wine types the report into Wine's own notepad, a program that
# no one here wrote: once notepad has taken every key, its text is the
# report the native preview computes for the typed seed, line for line.
source "$(dirname "$0")/e2e_lib.sh"

notepad="Untitled - Notepad"
e2e_start wine notepad
wait_for 30 window_class_shown Notepad || echo "notepad did not show"
start_randomiser rating
wait_past_splash
xdotool mousemove 400 300 click 1
wait_for 5 foreground_is "$notepad" || echo "notepad did not take the focus"
press ctrl+1
wait_randomiser 60
expect_equal "Ctrl+1 into notepad ends the randomiser with 0" 0 "$randomiser_status"

# The text of notepad's edit control (its first child), line ends as \n.
edit_id=$(probe --list "$notepad" | awk -F'\t' '$3 == "Edit" { print $1; exit }')
notepad_text() { probe "$notepad" "${edit_id:-0}" | tail -n +2 | tr -d '\r'; }
typed_lines=$(tr -cd '\r' <data.txt | wc -c)
notepad_has_every_line() { [[ $(notepad_text | wc -l) -ge $typed_lines ]]; }
wait_for 15 notepad_has_every_line || echo "notepad did not get every line"
screenshot notepad_report
text=$(notepad_text)
seed=$(sed -n 's/.*Seed: \(-\{0,1\}[0-9]\{1,\}\).*/\1/p' <<<"$text" | head -n 1)
expect_equal "notepad holds the preview's report for seed ${seed:-?}" "$(preview_report "${seed:-0}" rating)" "$text"
e2e_finish
