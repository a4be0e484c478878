#!/usr/bin/env bash
# The repost mode under Wine starts like every run (splash, tray icon) and
# types nothing until Ctrl+1: then it types data.txt into the chat and ends.
# The other Ctrl+digit commands do nothing; Esc twice and Ctrl+9 end it without
# typing. A later run of "rematch", its other name, behaves alike. A capped
# compact report posted again keeps its cap.
source "$(dirname "$0")/e2e_lib.sh"

printf 'Seed: 41\r\n| Alpha | | 2 |\r\n\r\nMap: fen\r\n' >data.txt
cp data.txt data.saved
start_chat
focus_chat
start_randomiser repost
wait_past_splash
screenshot repost_waiting
expect_equal "nothing is typed before Ctrl+1" "" "$(cat chat.txt)"
press ctrl+2 ctrl+3 ctrl+5 ctrl+6 ctrl+8
sleep 1  # what those commands would type takes well under a second
expect_equal "other Ctrl+digit commands type nothing" "" "$(cat chat.txt)"
expect_equal "the program waits on" yes "$(kill -0 "$randomiser_pid" 2>/dev/null && echo yes)"
press ctrl+1
wait_randomiser 30
expect_equal "Ctrl+1 types data.txt and ends with 0" 0 "$randomiser_status"
expect_equal "the lines of data.txt reached the chat" "$(sed 's/\r/\r\n/g' chat.txt | od -c)" "$(od -c <data.saved)"
expect_equal "data.txt is left as it was" "$(od -c <data.saved)" "$(od -c <data.txt)"

for quit_key in "Escape Escape" ctrl+9; do
  : >chat.txt
  start_randomiser rematch
  wait_past_splash
  # shellcheck disable=SC2086 # Esc twice is two keys
  press $quit_key
  wait_randomiser 10
  expect_equal "$quit_key ends the repost mode with 0" 0 "$randomiser_status"
  # The chat itself gets the Esc key as a character.
  expect_equal "$quit_key types nothing" "" "$(tr -d '\033' <chat.txt)"
done
expect_equal "data.txt is still as it was" "$(od -c <data.saved)" "$(od -c <data.txt)"

# A compact report typed with line_cap 65 is saved as it was typed, in its
# pieces, so that a repost types no line longer than the cap either.
: >chat.txt
type_into_chat_with rating fair_teams learned_ratings compact line_cap 65
expect_equal "Ctrl+1 types the capped compact report and ends with 0" 0 "$randomiser_status"
capped=$(chat_text)
expect_equal "a team's line went on in a piece of its own" yes "$(grep -q '^T[12]+ ' <<<"$capped" && echo yes)"
expect_equal "no typed line is longer than 65" "" "$(awk 'length > 65' <<<"$capped")"
expect_equal "data.txt holds the lines as they were typed" "$capped" "$(tr -d '\r' <data.txt)"
: >chat.txt
type_into_chat_with repost
expect_equal "the repost ends with 0" 0 "$randomiser_status"
expect_equal "the repost types what the chat saw, cap kept" "$capped" "$(chat_text)"
e2e_finish
