#!/usr/bin/env bash
# real_keys under Wine: the report typed as the key presses of the layout
# reaches a game that reads only raw input (and drops Unicode keystrokes) and
# a line reader in Wine's own console, byte for byte the preview's report,
# and the raw input game also a compact report with its brackets; a name in
# another script still reaches a window that reads characters, as a Unicode
# keystroke. The argument names the game: chat, raw_input or console; each is
# a test of its own, so that the three run side by side.
game=${1:?which game: chat, raw_input or console}
source "$(dirname "$0")/e2e_lib.sh"

# Starts the randomiser with rating real_keys and the words after $3, clicks
# at $1,$2 into the window titled $3 once the splash is gone, types the report
# with Ctrl+1 and waits for the randomiser to end.
type_report_into() {
  start_randomiser rating real_keys "${@:4}"
  wait_past_splash
  xdotool mousemove "$1" "$2" click 1
  wait_for 5 foreground_is "$3" || echo "the window $3 did not take the focus"
  press ctrl+1
  wait_randomiser 120
  expect_equal "Ctrl+1 into $3 ends the randomiser with 0" 0 "$randomiser_status"
}

# The lines recorded in the file $1, Enter as a line end.
recorded() { tr '\r' '\n' <"$1"; }
seed_in() { recorded "$1" | sed -n 's/.*Seed: \(-\{0,1\}[0-9]\{1,\}\).*/\1/p' | head -n 1; }

case $game in
  chat)
    sed -i "s/'Senna'/'Влад'/" PlayerData.txt
    start_chat
    type_report_into 150 90 "Chat Recorder"
    seed=$(typed_seed)
    expect_equal "the chat got the whole report, Влад included" "$(preview_report "${seed:-0}" rating)" "$(chat_text)"
    ;;
  raw_input)
    e2e_start wine raw_input_game.exe raw.txt
    wait_for 30 window_class_shown BrenlowRawInputGame || echo "the raw input game did not show"
    type_report_into 150 90 "Raw Input Game"
    seed=$(seed_in raw.txt)
    expect_equal "the raw input game got the whole report" "$(preview_report "${seed:-0}" rating)" "$(recorded raw.txt)"
    # "(" and ")" are Shift+9 and Shift+0: in the compact report's
    # civilisations and in a name.
    sed -i "s/'Senna'/'Senna9(0)'/" PlayerData.txt
    : >raw.txt
    type_report_into 150 90 "Raw Input Game" compact
    seed=$(seed_in raw.txt)
    compact=$(preview_report "${seed:-0}" rating compact)
    expect_equal "the compact report has brackets to type" yes "$(grep -qF 'Senna9(0) (' <<<"$compact" && echo yes)"
    expect_equal "the raw input game got the compact report, brackets and all" "$compact" "$(recorded raw.txt)"
    ;;
  console)
    e2e_start wine wineconsole console_reader.exe console.txt
    wait_for 30 window_class_shown WineConsoleClass || echo "the console did not show"
    console_title=$(window_list | awk -F'\t' '$2 == "WineConsoleClass" { print $3; exit }')
    type_report_into 400 300 "$console_title"
    screenshot real_keys_console
    seed=$(seed_in console.txt)
    expect_equal "the console's line reader got the whole report" "$(preview_report "${seed:-0}" rating)" \
      "$(recorded console.txt)"
    ;;
  *)
    echo "no game named $game: chat, raw_input or console"
    exit 1
    ;;
esac
e2e_finish
