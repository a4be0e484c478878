#!/usr/bin/env bash
# Hotkeys typed into the chat window under Wine: the rule text in chunks, the
# coin, a drawn map typed again, and a rule set chosen in the rule selection
# window (which lists them) and then typed; a missing rule text file is said
# in a box in front, and in a balloon. While a sequence types, other commands are ignored
# and one Esc stops it; Esc twice ends the program.
source "$(dirname "$0")/e2e_lib.sh"

start_chat
start_randomiser rating
wait_past_splash
focus_chat

usual_chunks=$(rule_text_typed Rules/Usual.txt | tr -cd '\r' | wc -c)
usual_bytes=$(rule_text_typed Rules/Usual.txt | wc -c)
press ctrl+2 ctrl+8  # the coin is ignored while the rule text types
wait_chat_enters 10 "$usual_chunks"
# A coin asked for once the rule text has ended (its last pause included)
# comes after it; had the first been typed, it would stand inside or before.
press_until_enters ctrl+8 $((usual_chunks + 1)) || echo "no coin was typed after the rule text"
expect_equal "Ctrl+2 types Rules/Usual.txt in chunks, Ctrl+8 meanwhile is ignored" \
  "$(rule_text_typed Rules/Usual.txt | od -c)" "$(head -c "$usual_bytes" chat.txt | od -c)"
coin=$(tail -c +$((usual_bytes + 1)) chat.txt | tr '\r' '\n' | head -n 1)
expect_equal "Ctrl+8 types a coin side" "yes" "$([[ $coin == Heads || $coin == Tails ]] && echo yes || echo "$coin")"

: >chat.txt
press_until_enters ctrl+6 1 || echo "Ctrl+6 typed nothing"
press_until_enters ctrl+3 2 || echo "Ctrl+3 typed nothing"
mapfile -t maps < <(chat_text)
expect_equal "Ctrl+6 then Ctrl+3 type two lines" 2 "${#maps[@]}"
expect_equal "Ctrl+3 types the map Ctrl+6 drew" "${maps[0]:-none}" "${maps[1]:-}"
grep -qF "'${maps[0]:-none}'" Scripts/Map_Details.txt && drawn_known=yes || drawn_known=no
expect_equal "the drawn map is one of the map script" yes "$drawn_known"

rule_selection_shown() { control_text "$overlord_window" 255 >/dev/null; }
open_rule_selection() { press ctrl+4 && wait_for 1 rule_selection_shown; }
wait_for 10 open_rule_selection || echo "the rule selection window did not show"
expect_equal "the rule selection window lists the rule sets by number and name" yes \
  "$(control_text "$overlord_window" 258 | grep -qx '2\. nomads' && echo yes || control_text "$overlord_window" 258)"
click_control "$overlord_window" 255  # the entry
xdotool type 2
click_control "$overlord_window" 256  # Submit
rule_chosen() { balloon_says "Selected New Rules - ./rules/nomads.txt"; }
wait_for 5 rule_chosen || echo "the choice was not shown"
screenshot hotkeys_rule_selection
: >chat.txt
focus_chat
press ctrl+2
wait_chat_enters 10 "$(rule_text_typed Rules/nomads.txt | tr -cd '\r' | wc -c)"
expect_equal "after choosing 2, Ctrl+2 types the second rule set" \
  "$(rule_text_typed Rules/nomads.txt | od -c)" "$(od -c <chat.txt)"

# One Esc stops a sequence that types, and the randomiser lives on.
: >chat.txt
press ctrl+2
wait_chat_enters 10 1
press Escape
sleep 2
expect_equal "the rule text was cut short" yes \
  "$([[ $(wc -c <chat.txt) -lt $(rule_text_typed Rules/nomads.txt | wc -c) ]] && echo yes)"
expect_equal "one Esc while it types leaves the randomiser running" yes "$(still_runs "$randomiser_pid" && echo yes)"
quit_with_esc
wait_randomiser 10
expect_equal "Esc twice then ends it with 0" 0 "$randomiser_status"

# A rule text file that is gone: Ctrl+2 says which, and types nothing.
rm Rules/Usual.txt
: >chat.txt
start_randomiser rating
wait_past_splash
focus_chat
press ctrl+2
wait_for 10 error_box_text || echo "no error box for the missing rule text"
screenshot hotkeys_missing_rule_text
expect_equal "the box names the missing file" "Could not find file - ./Rules/Usual.txt" \
  "$(error_box_text 2>/dev/null || true)"
expect_equal "the box is in front with the focus" Error "$(foreground_title)"
wait_for 10 balloon_says "Could not find file - ./Rules/Usual.txt" && said=yes || said=no
expect_equal "the tray icon's balloon repeats the box's first line" yes "$said"
press Return
expect_equal "nothing was typed" "" "$(cat chat.txt)"
quit_with_esc
wait_randomiser 10
e2e_finish
