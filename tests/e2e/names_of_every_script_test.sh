#!/usr/bin/env bash
# Names beyond ASCII travel the whole road under Wine: the editor captures
# "José 1500 Влад 1420 李雷 1600 Zoë 1700" from the clipboard into
# PlayerData.txt in UTF-8, and a second paste a name with a character beyond
# U+FFFF (a surrogate pair in Windows' wide strings); the randomiser, on the
# file's 6 players, types on Ctrl+1 a report whose rows
# hold exactly those names and saves it to data.txt in UTF-8; a "repost" run
# types them again. A rule text named and written in such letters is saved
# under that name, in UTF-8.
source "$(dirname "$0")/e2e_lib.sh"

names=(José Влад 李雷 Zoë Ann😀)
name_chars=(4 4 2 3 4)  # counted here, since the shell may count bytes

rm PlayerData.txt
start_editor
wait_editor_ready
capture_clipboard "José 1500 Влад 1420 李雷 1600 Zoë 1700" "'Zoë'"
capture_clipboard "Ann😀 1800" "'Ann😀'"
screenshot names_of_every_script_editor
# The live display pads its 15-character name column by characters too.
for row in "$(printf '| %s%*s | 1600   |' 李雷 13 '')" "$(printf '| %s%*s | 1800   |' Ann😀 11 '')"; do
  expect_equal "the live display shows the row [$row]" yes \
    "$(control_text "$live_display" 120 | grep -qF -- "$row" && echo yes || control_text "$live_display" 120)"
done
press ctrl+3
wait_for 10 control_reads "$editor_window" 121 "Rule Text" || echo "the rule text window did not show"
set_text "$editor_window" 123 "Règles_李"
set_text "$editor_window" 126 "Café 李雷"
click_control "$editor_window" 125  # Save
wait_for 10 test -s "Rules/Règles_李.txt" || echo "Save wrote no Rules/Règles_李.txt"
expect_equal "a rule text is saved under its name in UTF-8" "$(printf 'Café 李雷\r\n' | od -c)" \
  "$(od -c <"Rules/Règles_李.txt")"
screenshot names_of_every_script_rule_text
quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
# The bytes of the script are UTF-8: the file must hold these very bytes.
expect_equal "PlayerData.txt holds the names in UTF-8" \
  "player_name { 'José' 'Влад' '李雷' 'Zoë' 'Ann😀' 'p6' 'p7' 'p8' } player_rating { 1500 1420 1600 1700 1800 0 0 0 }" \
  "$(grep -o "player_name {[^}]*} player_rating {[^}]*}" PlayerData.txt)"

start_chat
type_into_chat_with rating
expect_equal "Ctrl+1 ends the randomiser with 0" 0 "$randomiser_status"
report=$(chat_text)
for i in "${!names[@]}"; do
  # The name field is 16 characters wide, counted in characters.
  row=$(printf '| %s%*s |' "${names[i]}" $((16 - name_chars[i])) '')
  expect_equal "a row holds ${names[i]}" yes "$([[ $report == *"$row"* ]] && echo yes || echo "$report")"
done
seed=$(typed_seed)
expect_equal "the typed report is the preview's for seed ${seed:-?}" "$(preview_report "${seed:-0}" rating)" "$report"
expect_equal "data.txt holds the typed lines in UTF-8" "$(sed 's/\r/\r\n/g' chat.txt | od -c)" "$(od -c <data.txt)"
expect_equal "data.txt is valid UTF-8" yes "$(iconv -f UTF-8 -t UTF-8 data.txt >/dev/null && echo yes)"

cp data.txt data.saved
: >chat.txt
type_into_chat_with repost
expect_equal "repost ends the program with 0" 0 "$randomiser_status"
expect_equal "repost types the names again" "$(sed 's/\r/\r\n/g' chat.txt | od -c)" "$(od -c <data.saved)"
e2e_finish
