#!/usr/bin/env bash
# Esc pressed under Wine while the report is being typed ends the program at
# once, and data.txt holds this run's whole report (not the match before,
# nor the part that reached the chat).
source "$(dirname "$0")/e2e_lib.sh"

printf 'Seed: 1\r\nthe match before\r\n' >data.txt
start_chat
start_randomiser rating handicap
wait_past_splash
focus_chat
press ctrl+1
wait_chat_enters 15 3  # the seed is on the third line
press Escape
wait_randomiser 10
expect_equal "Esc ends the program with 0" 0 "$randomiser_status"

seed=$(typed_seed)
expect_equal "the typed part shows the seed" yes "$([[ -n $seed ]] && echo yes)"
report=$(preview_report "${seed:-0}" rating handicap)
typed_lines=$(tr -cd '\r' <chat.txt | wc -c)
expect_equal "the typing was cut short" yes "$([[ $typed_lines -lt $(wc -l <<<"$report") ]] && echo yes)"
expect_equal "data.txt holds the whole report with CR LF" "$(sed 's/$/\r/' <<<"$report" | od -c)" "$(od -c <data.txt)"
e2e_finish
