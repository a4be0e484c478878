#!/usr/bin/env bash
# The splash under Wine never takes the focus from the game, in any mode: a
# click on it leaves the focus in the chat and a Ctrl+1 pressed while it
# shows types the report there. Closing it (what Alt+F4 does to a window
# with the focus) only hides it, and the hotkeys go on working; a destroyed
# main window ends the program with 0, and a new start works.
source "$(dirname "$0")/e2e_lib.sh"

main_class=BRENLOW_SORTILANE

# Starts the randomiser with the words given and waits for its splash.
start_with_splash() {
  start_randomiser "$@"
  wait_for 30 randomiser_splash_shown || echo "the splash did not show"
}

start_chat
focus_chat
start_with_splash rating
expect_equal "the splash leaves the focus in the chat" "Chat Recorder" "$(foreground_title)"
xdotool mousemove 640 450 click 1  # on the splash
screenshot splash_clicked
expect_equal "a click on the splash leaves the focus in the chat" "Chat Recorder" "$(foreground_title)"
press ctrl+1
wait_randomiser 30
expect_equal "Ctrl+1 during the splash ends the program with 0" 0 "$randomiser_status"
expect_equal "Ctrl+1 during the splash types the report into the chat" \
  "$(sed 's/\r/\r\n/g' chat.txt | od -c)" "$(od -c <data.txt 2>/dev/null || true)"
expect_equal "the report reached the chat" yes "$(chat_has_enters 3 && echo yes || echo no)"

: >chat.txt
start_with_splash rating
probe --close "$main_class"
wait_for 5 window_class_gone "$main_class" || echo "the splash was not closed"
expect_equal "closing the splash leaves the program running" yes "$(kill -0 "$randomiser_pid" 2>/dev/null && echo yes)"
focus_chat
press ctrl+1
wait_randomiser 30
expect_equal "after closing the splash Ctrl+1 ends the program with 0" 0 "$randomiser_status"
expect_equal "after closing the splash Ctrl+1 types the report" yes "$(chat_has_enters 3 && echo yes || echo no)"

start_with_splash rating
probe --command "$main_class" 105  # the command that destroys the main window
wait_randomiser 10
expect_equal "a destroyed main window ends the program with 0" 0 "$randomiser_status"
start_with_splash validate
expect_equal "a new start after it shows the splash" yes "$(randomiser_splash_shown && echo yes || echo no)"
expect_equal "the splash of the validate mode leaves the focus in the chat" "Chat Recorder" "$(foreground_title)"
quit_with_esc
wait_randomiser 10
expect_equal "Esc then ends the program with 0" 0 "$randomiser_status"

e2e_finish
