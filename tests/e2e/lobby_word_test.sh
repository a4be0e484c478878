#!/usr/bin/env bash
# Sortilane_Lobby_Word.bat under Wine: it asks in its console for the word
# agreed in the lobby (one with blanks and a letter beyond ASCII) and
# starts the randomiser with it; Ctrl+1 types a report whose seed line names
# the word and which is the preview's for that word. Started again with the
# same word, after the first report's line went into Results.txt, it types
# the same report. An empty answer starts nothing.
source "$(dirname "$0")/e2e_lib.sh"

word='lobby night Ørjan'
words=(rating fair_teams learned_ratings)

# Runs the batch file with the answer $1 on its input; what its console shows
# goes to console.txt, and the process id to randomiser_pid. Wine's cmd reads
# an answer from a pipe in the ANSI code page, Windows-1252 (an answer typed
# into a console window comes as Unicode, whatever the script). Started here,
# not by e2e_start: a command put in the background without a redirection of
# its own reads nothing.
start_lobby_word() {
  printf '%s\r\n' "$1" | iconv -f UTF-8 -t WINDOWS-1252 >answer.txt
  wine cmd /c Sortilane_Lobby_Word.bat <answer.txt >console.txt 2>&1 &
  e2e_pids+=($!)
  randomiser_pid=$!
}

# Before the first start: the preview of the folder as both starts find it.
expected=$(preview_lines -- "${words[@]}" seed_word "$word")
expect_equal "the preview's seed line names the word" yes \
  "$(grep -qx "Seed: -\{0,1\}[0-9]\{1,\} (word $word)" <<<"$expected" && echo yes || head -n 3 <<<"$expected")"
start_chat
for run in first second; do
  : >chat.txt
  start_lobby_word "$word"
  wait_past_splash
  focus_chat
  press ctrl+1
  wait_randomiser 30
  expect_equal "the $run start ends with 0 after Ctrl+1" 0 "$randomiser_status"
  expect_equal "the $run start asked for the word" yes \
    "$(grep -q 'Word agreed in the lobby:' console.txt && echo yes || cat console.txt)"
  # The chat may take the last keys after the randomiser has ended.
  wait_chat_enters 15 "$(wc -l <<<"$expected")" || true
  expect_equal "the $run start typed the preview's report for the word" "$expected" "$(chat_text)"
  cp chat.txt "chat_$run.txt"
done
expect_equal "a restart with the same word types the same report" "$(od -c <chat_first.txt)" \
  "$(od -c <chat_second.txt)"
expect_equal "Results.txt holds a line of each start, with the word's seed" "2 $(typed_seed)" \
  "$(cut -f2 Results.txt 2>/dev/null | uniq -c | sed 's/^ *//')"

: >chat.txt
start_lobby_word ""
wait_randomiser 30
expect_equal "an empty answer ends the batch file with 1" 1 "$randomiser_status"
expect_equal "an empty answer is refused" yes \
  "$(grep -q 'No word given' console.txt && echo yes || cat console.txt)"
expect_equal "an empty answer starts no randomiser" yes "$(window_class_gone BRENLOW_SORTILANE && echo yes)"
e2e_finish
