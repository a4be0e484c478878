#!/usr/bin/env bash
# "Swap two players…" in the tray menu opens the swap window with the caret
# in its first list (the first player against the first player of another
# team) and the teams' scores after the swap; Enter swaps, the draw's balloon
# shows the new teams, and Ctrl+1 then types the report that sortilane_preview --swap gives for the typed seed.
source "$(dirname "$0")/e2e_lib.sh"

players=(Halvard Mirelle Tobin_Quay Senna Orrick Pellworth)
printf '%s' "player_num {6} team_num {2} player_name { 'Halvard' 'Mirelle' 'Tobin_Quay' 'Senna' 'Orrick' 'Pellworth' 'p7' 'p8' } player_rating { 1480 1720 1150 1890 1340 1610 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 }" >PlayerData.txt

start_chat
start_randomiser rating handicap
wait_past_splash
wait_for 30 window_class_gone tooltips_class32 || echo "the balloon did not go away"
open_tray_menu
screenshot swap_tray_menu
choose_menu_entry 4 4  # "Swap two players…"
wait_for 5 window_class_gone "#32768"
after=$(wait_for 10 control_text "$overlord_window" 296 && control_text "$overlord_window" 296)
expect_equal "the window shows the teams after the swap" yes "$([[ $after == "After the swap: Team 1 "* ]] && echo yes || echo "$after")"
sleep 0.5
screenshot swap_window
press Return
wait_for 10 window_class_gone "Brenlow Overlord" || echo "Enter did not swap and close the window"
# The draw's balloon comes again with the teams after the swap, as the window
# showed their scores.
new_score=$(sed -n 's/^After the swap: Team 1 \([0-9]*\),.*/\1/p' <<<"$after")
expect_equal "the balloon shows team 1 after the swap" yes \
  "$(wait_for 10 balloon_says "T1 ${new_score:-?}: " && echo yes || echo no)"
screenshot swap_balloon
focus_chat
press ctrl+1
wait_randomiser 30
expect_equal "Ctrl+1 ends the program with 0" 0 "$randomiser_status"

# The window's first choice: Halvard against the first player of the other
# team, in the draw the preview gives for the typed seed.
seed=$(typed_seed)
preview="${BRENLOW_BUILD:-$e2e_root/build}/tools/sortilane_preview"
rm -rf "$e2e_work/preview"
cp -r . "$e2e_work/preview"
halvard_team=$("$preview" --dir "$e2e_work/preview" --seed "${seed:-0}" --balance -- rating handicap | grep '^Team .*Halvard')
for name in "${players[@]}"; do
  [[ $halvard_team == *" $name"* ]] || { other=$name; break; }
done
expected=$("$preview" --dir "$e2e_work/preview" --seed "${seed:-0}" --swap Halvard "${other:-?}" -- rating handicap |
  sed '$d')
expect_equal "the typed report is the preview's with --swap Halvard ${other:-?}" "$expected" "$(chat_text)"
expect_equal "the swap changed the report" no "$([[ $expected == "$(preview_report "${seed:-0}" rating handicap)" ]] && echo yes || echo no)"

e2e_finish
