#!/usr/bin/env bash
# The editor records the last match's result from its tray menu under Wine:
# the menu offers "Team 1 won" and "Team 2 won" for a match of two teams,
# then "Not rated" and "Undo last result"; "Team 2 won" writes 2 into the
# result field of Results.txt, every other byte as it was, and a balloon says
# how the ratings moved (the guide's picture of it is taken); the menu then
# checks that row; "Undo last result" gives the file back as it was, with a
# balloon that says so.
source "$(dirname "$0")/e2e_lib.sh"

printf '# Saturday evening\r\n2026-03-14 20:41\t12\t-\tJos\xc3\xa9\t1\t1850\tVlad\t2\t2400\r\n' >Results.txt
cp Results.txt "$e2e_work/results_before.txt"
sed 's/\t12\t-\t/\t12\t2\t/' "$e2e_work/results_before.txt" >"$e2e_work/results_won.txt"
results_are() { cmp -s Results.txt "$1"; }
menu_rows=9  # Exit, Display Tooltips, Credits, Modifications Made, Evening report, Team 1 won, Team 2 won, Not rated, Undo last result

start_editor
wait_editor_ready

open_tray_menu
sleep 0.5
screenshot editor_result_menu
choose_menu_entry 7 "$menu_rows"  # "Team 2 won"
expect_equal "Team 2 won writes 2 into the result field and changes no other byte" yes \
  "$(wait_for 10 results_are "$e2e_work/results_won.txt" && echo yes || echo no)"
expect_equal "the balloon says who won and how both ratings moved" yes \
  "$(wait_for 15 balloon_says "Team 2 won. José 1850 → 1818 Vlad 2400 → 2432" && echo yes || echo no)"
screenshot editor_result_balloon
# The guide shows the balloon with the icon below it.
import -display "$DISPLAY" -window root -crop 344x96+680+672 +repage "$e2e_artifacts/guide_result_balloon.png"

open_tray_menu
sleep 0.5
screenshot editor_result_menu_checked
choose_menu_entry 9 "$menu_rows"  # "Undo last result"
expect_equal "Undo last result gives the file back as it was" yes \
  "$(wait_for 10 results_are "$e2e_work/results_before.txt" && echo yes || echo no)"
expect_equal "the balloon says the result is undone and how the ratings moved back" yes \
  "$(wait_for 15 balloon_says "Result undone. José 1818 → 1850 Vlad 2432 → 2400" && echo yes || echo no)"
screenshot editor_result_undone

quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
