#!/usr/bin/env bash
# Ctrl+1 under Wine types the report into the chat window, line by line with
# an Enter after each, saves the same lines with CR LF to data.txt and ends the
# program; the report is the one the native preview computes for the typed
# seed. A later "repost" run types data.txt again on Ctrl+1 and ends.
source "$(dirname "$0")/e2e_lib.sh"

start_chat
start_randomiser rating handicap
wait_past_splash
focus_chat
# Ctrl is still held for a second after the digit, and held again for a
# second in the middle of the report: no Enter may reach the chat as
# Ctrl+Enter.
xdotool keydown ctrl key 1
sleep 1
xdotool keyup ctrl
wait_chat_enters 15 5
xdotool keydown ctrl
sleep 1
xdotool keyup ctrl
wait_randomiser 30
expect_equal "Ctrl+1 ends the program with 0" 0 "$randomiser_status"

typed=$(cat chat.txt)
expect_equal "no Enter arrived with Ctrl held" no "$([[ $typed == *'^'* ]] && echo yes || echo no)"
expect_equal "every Enter came with its scan code" no "$([[ $typed == *'#'* ]] && echo yes || echo no)"
expect_equal "data.txt holds the typed lines with CR LF" "$(sed 's/\r/\r\n/g' chat.txt | od -c)" "$(od -c <data.txt)"
line_count=$(tr -cd '\r' <chat.txt | wc -c)
expect_equal "a report was typed" yes "$([[ $line_count -gt 0 ]] && echo yes)"

seed=$(typed_seed)
expect_equal "the report shows its seed" yes "$([[ -n $seed ]] && echo yes)"
expected=$(preview_report "${seed:-0}" rating handicap)
expect_equal "the typed report is the preview's for seed ${seed:-?}" "$expected" "$(chat_text)"

# The saved result typed again by a later run, into the focused chat, on Ctrl+1.
cp data.txt data.saved
: >chat.txt
type_into_chat_with repost
expect_equal "repost ends the program with 0" 0 "$randomiser_status"
expect_equal "repost types the lines of data.txt" "$(sed 's/\r/\r\n/g' chat.txt | od -c)" "$(od -c <data.saved)"
expect_equal "repost leaves data.txt as it was" "$(od -c <data.saved)" "$(od -c <data.txt)"

e2e_finish
