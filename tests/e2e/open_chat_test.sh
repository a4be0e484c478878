#!/usr/bin/env bash
# A game whose chat closes after each message, under Wine: with open_chat the
# start balloon asks for the chat to be closed, and the randomiser opens the
# chat with Enter before each line with text, so every
# such line of the report arrives as a message of its own and no key reaches
# the game outside the chat; with line_pause 1100 the messages start at least
# 1.1 s apart.
source "$(dirname "$0")/e2e_lib.sh"

e2e_start wine closing_chat_game.exe chat.txt commands.txt times.txt
game_shown() { window_list | grep -q $'\tClosing Chat Game$'; }
wait_for 30 game_shown || echo "the game window did not show"
start_randomiser rating open_chat line_pause 1100
wait_past_splash
# The balloon of the draw, which follows the splash, keeps the start's notes.
wait_for 30 balloon_says "close the chat: Ctrl+1 opens it for each line" && said=yes || said=no
expect_equal "the balloon asks for the chat to be closed" yes "$said"
screenshot open_chat_balloon
focus_game() {
  xdotool mousemove 150 90 click 1
  wait_for 5 foreground_is "Closing Chat Game" || echo "the game did not take the focus"
}
focus_game
press ctrl+1
wait_randomiser 60
expect_equal "Ctrl+1 ends the randomiser with 0" 0 "$randomiser_status"
seed=$(typed_seed)
expect_equal "every line with text arrived as a message of its own" \
  "$(preview_report "${seed:-0}" rating | grep -v '^[[:space:]]*$')" "$(chat_text)"
expect_equal "no key reached the game outside the chat" "" "$(cat commands.txt)"
# The game notes the time of each key press that opens its chat: the start
# of a message as the randomiser made it. The randomiser times a line from
# just before that key press, so a busy machine may take a few milliseconds
# off one gap, not more. Without line_pause the messages started about 0.4 s
# apart.
mapfile -t starts <times.txt
closest=999999
for ((i = 1; i < ${#starts[@]}; i++)); do
  gap=$((starts[i] - starts[i - 1]))
  ((gap < closest)) && closest=$gap
done
expect_equal "every message starts at least 1.1 s after the one before (${#starts[@]} messages, closest ${closest} ms)" \
  yes "$([[ ${#starts[@]} -gt 10 && $closest -ge 1050 ]] && echo yes)"
e2e_finish
