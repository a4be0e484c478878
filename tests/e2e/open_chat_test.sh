#!/usr/bin/env bash
# A game whose chat closes after each message, under Wine: with open_chat the
# randomiser opens the chat with Enter before each line with text, so every
# such line of the report arrives as a message of its own and no key reaches
# the game outside the chat; with line_pause 1100 the messages start at least
# 1.1 s apart.
source "$(dirname "$0")/e2e_lib.sh"

e2e_start wine closing_chat_game.exe chat.txt commands.txt
game_shown() { window_list | grep -q $'\tClosing Chat Game$'; }
wait_for 30 game_shown || echo "the game window did not show"
start_randomiser rating open_chat line_pause 1100
wait_past_splash
focus_game() {
  xdotool mousemove 150 90 click 1
  wait_for 5 foreground_is "Closing Chat Game" || echo "the game did not take the focus"
}
focus_game
press ctrl+1
# The time of each message, as it arrives.
times=()
for ((tick = 0; tick < 600 && ${#times[@]} < 20; tick++)); do
  count=$(tr -cd '\r' <chat.txt | wc -c)
  while ((${#times[@]} < count)); do times+=("$(date +%s%N)"); done
  still_runs "$randomiser_pid" || break
  sleep 0.05
done
wait_randomiser 60
expect_equal "Ctrl+1 ends the randomiser with 0" 0 "$randomiser_status"
seed=$(typed_seed)
expect_equal "every line with text arrived as a message of its own" \
  "$(preview_report "${seed:-0}" rating | grep -v '^[[:space:]]*$')" "$(chat_text)"
expect_equal "no key reached the game outside the chat" "" "$(cat commands.txt)"
closest=999999
for ((i = 1; i < ${#times[@]}; i++)); do
  gap=$(((times[i] - times[i - 1]) / 1000000))
  ((gap < closest)) && closest=$gap
done
# A message arrives with its closing Enter; its start came 150 ms after the
# Enter that opened the chat, so the gaps between arrivals show the pause.
expect_equal "messages arrive at least about 1.1 s apart (closest: ${closest} ms)" yes \
  "$([[ ${#times[@]} -gt 10 && $closest -ge 1000 ]] && echo yes)"
e2e_finish
