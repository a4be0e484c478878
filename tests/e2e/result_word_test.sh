#!/usr/bin/env bash
# The randomiser's word "result" under Wine: Sortilane_Result_Team1.bat
# writes 1 into the result field of the last match in Results.txt, every
# other byte as it was, shows no splash, says in its tray icon's balloon how
# the ratings moved and ends with 0 once the balloon has gone. "result 3" for
# a match of two teams shows why in the error box, changes nothing and ends
# with 1. "result 2" while a randomiser runs records beside it, with no box
# that the program already runs: the field written, its balloon, exit code 0,
# and that randomiser still running.
source "$(dirname "$0")/e2e_lib.sh"

printf '2026-03-14 20:41\t12\t-\tJos\xc3\xa9\t1\t1850\tVlad\t2\t2400\r\n# Vlad left early\r\n' >Results.txt
cp Results.txt "$e2e_work/results_before.txt"
sed 's/\t12\t-\t/\t12\t1\t/' "$e2e_work/results_before.txt" >"$e2e_work/results_won.txt"

expect_equal "Sortilane_Result_Team1.bat starts the randomiser with result 1" \
  "Brenlow_Sortilane.exe result 1" "$(grep -a '^Brenlow_Sortilane.exe' Sortilane_Result_Team1.bat | tr -d '\r')"
started=$SECONDS
e2e_start wine cmd /c Sortilane_Result_Team1.bat
result_pid=$last_pid
expect_equal "the balloon says who won and how both ratings moved" yes \
  "$(wait_for 20 balloon_says "Team 1 won. José 1850 → 1977 Vlad 2400 → 2273" && echo yes || echo no)"
screenshot result_word_balloon
expect_equal "no splash shows" yes "$(window_class_gone BRENLOW_SORTILANE && echo yes || echo no)"
expect_equal "result 1 writes 1 into the result field and changes no other byte" yes \
  "$(cmp -s Results.txt "$e2e_work/results_won.txt" && echo yes || echo no)"
wait_exit 30 "$result_pid"
expect_equal "the run ends with 0 once the balloon has gone" 0 "$exit_status"
echo "-- the run took $((SECONDS - started)) s"

e2e_start wine Brenlow_Sortilane.exe result 3
refused_pid=$last_pid
wait_for 20 error_box_text || echo "no error box"
expect_equal "the error box says why nothing was recorded" yes \
  "$([[ $(error_box_text) == *"Result not recorded: the last match has no team 3."* ]] && echo yes ||
    error_box_text)"
screenshot result_word_refused
press Return
wait_exit 10 "$refused_pid"
expect_equal "a refused result ends with 1" 1 "$exit_status"
expect_equal "a refused result changes nothing" yes \
  "$(cmp -s Results.txt "$e2e_work/results_won.txt" && echo yes || echo no)"

start_randomiser rating
wait_past_splash
# Its draw's balloon goes first: a shell shows one balloon at a time.
wait_for 30 balloon_says "Map:" || echo "the randomiser's draw balloon did not show"
wait_for 30 window_class_gone tooltips_class32 || echo "the randomiser's draw balloon did not go"
sed 's/\t12\t-\t/\t12\t2\t/' "$e2e_work/results_before.txt" >"$e2e_work/results_lost.txt"
e2e_start wine Brenlow_Sortilane.exe result 2
beside_pid=$last_pid
expect_equal "result 2 beside a running randomiser says how the ratings moved" yes \
  "$(wait_for 20 balloon_says "Team 2 won." && echo yes || echo no)"
screenshot result_word_beside_randomiser
expect_equal "result 2 beside a running randomiser records it" yes \
  "$(cmp -s Results.txt "$e2e_work/results_lost.txt" && echo yes || echo no)"
expect_equal "no box says the program already runs" no "$(control_text "Brenlow Sortilane" 65535 >/dev/null 2>&1 &&
  echo yes || echo no)"
wait_exit 30 "$beside_pid"
expect_equal "result 2 beside a running randomiser ends with 0" 0 "$exit_status"
expect_equal "the running randomiser still runs" yes "$(still_runs "$randomiser_pid" && echo yes || echo no)"
e2e_finish
