#!/usr/bin/env bash
# The teams before the chat, under Wine: when the splash has gone the
# randomiser's balloon names every player of the sample; Ctrl+0 draws again,
# and Ctrl+1 then types a report whose seed line says "(draw 2)" and which is
# the preview's for that seed and draw. A compact report with line_cap 65 is
# typed as the preview prints it, in the chat window and, with open_chat, in
# the game whose chat closes after each message, no line over 65 characters.
source "$(dirname "$0")/e2e_lib.sh"

start_chat
start_randomiser rating
wait_past_splash
names_said=yes
for name in Halvard Mirelle Tobin_Quay Senna Orrick Pellworth; do
  wait_for 15 balloon_says "$name" || names_said="no: $name"
done
expect_equal "the balloon after the splash names every player" yes "$names_said"
screenshot draw_balloon
focus_chat
press ctrl+0
wait_for 15 balloon_says "Map: " || echo "no balloon after Ctrl+0"
screenshot draw_again_balloon
press ctrl+1
wait_randomiser 30
expect_equal "Ctrl+1 after Ctrl+0 ends the randomiser with 0" 0 "$randomiser_status"
seed=$(typed_seed)
expect_equal "the seed line says it is the second draw" yes \
  "$(chat_text | grep -q "^Seed: ${seed:-none} (draw 2)\$" && echo yes || chat_text | head -n 3)"
expect_equal "the typed report is the preview's for seed ${seed:-?}, draw 2" \
  "$(preview_lines --seed "${seed:-0}" --draw 2 -- rating)" "$(chat_text)"

words=(rating compact line_cap 65)
: >chat.txt
e2e_start wine chat_recorder.exe --show chat.txt  # shows what it got, for the screenshot
wait_for 30 chat_shown || echo "the chat window did not show"
type_into_chat_with "${words[@]}"
expect_equal "a compact report ends the randomiser with 0" 0 "$randomiser_status"
seed=$(typed_seed)
expect_equal "the compact report is the preview's for seed ${seed:-?}" \
  "$(preview_lines --seed "${seed:-0}" -- "${words[@]}")" "$(chat_text)"
expect_equal "no typed line is longer than 65 characters" "" "$(chat_text | awk 'length($0) > 65')"
screenshot compact_report

e2e_start wine closing_chat_game.exe game_chat.txt commands.txt times.txt
game_shown() { window_list | grep -q $'\tClosing Chat Game$'; }
wait_for 30 game_shown || echo "the game window did not show"
start_randomiser "${words[@]}" open_chat
wait_past_splash
xdotool mousemove 150 90 click 1
wait_for 5 foreground_is "Closing Chat Game" || echo "the game did not take the focus"
press ctrl+1
wait_randomiser 60
expect_equal "with open_chat the randomiser ends with 0" 0 "$randomiser_status"
game_text=$(tr '\r' '\n' <game_chat.txt)
seed=$(sed -n 's/.*Seed: \(-\{0,1\}[0-9]\{1,\}\).*/\1/p' <<<"$game_text" | head -n 1)
expect_equal "each line of the compact report arrived as a message of the game's chat" \
  "$(preview_lines --seed "${seed:-0}" -- "${words[@]}" open_chat)" "$game_text"
expect_equal "no key reached the game outside the chat" "" "$(cat commands.txt)"
e2e_finish
