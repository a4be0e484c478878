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
average=$(((times[${#times[@]} - 1] - times[0]) / 1000000 / (${#times[@]} - 1)))
# A message is seen when its closing Enter arrives, by a poll every 50 ms on
# a machine that runs other tests too: one arrival seen late makes the next
# gap look shorter, so each gap may fall somewhat below 1.1 s, their average
# not. Without line_pause the messages came about 0.4 s apart.
expect_equal "messages arrive about 1.1 s apart (average ${average} ms, closest ${closest} ms)" yes \
  "$([[ ${#times[@]} -gt 10 && $average -ge 1050 && $closest -ge 800 ]] && echo yes)"
e2e_finish
