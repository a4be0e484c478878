#!/usr/bin/env bash
# The editor's rule text window under Wine (Ctrl+3): a text typed into it,
# whose bytes it counts as they are typed, and saved under a name is found in
# Rules/<name>.txt, one line per typed line, a line longer than the box is
# wide included; "Load" in a fresh window shows it again, and saving it again
# changes nothing. A save that fails says why in an error box, and the text
# stays in the window; a name with a character no file name holds is refused
# by a box that names it.
source "$(dirname "$0")/e2e_lib.sh"

start_editor
wait_editor_ready
press ctrl+3
wait_for 10 control_reads "$editor_window" 121 "Rule Text" || echo "the rule text window did not show"
screenshot editor_rule_text_empty
expect_equal "an empty box counts the 0 bytes Save would write" yes \
  "$(control_reads "$editor_window" 127 "0 of 255 bytes" && echo yes || control_text "$editor_window" 127)"
click_control "$editor_window" 123
xdotool type "house"
click_control "$editor_window" 126
long_line="No rushing before minute ten, and no towers near a base until both sides have a castle."
xdotool type "$long_line"$'\nWonders only on land maps'
wait_for 5 control_reads "$editor_window" 127 "116 of 255 bytes" && counted=yes || counted=no
expect_equal "under the box, the bytes that Save writes of the 255 the randomiser types" yes "$counted"
screenshot editor_rule_text_count
click_control "$editor_window" 125  # Save
wait_for 10 test -s Rules/house.txt || echo "Save wrote no Rules/house.txt"
expect_equal "Save writes Rules/house.txt as typed, the long line whole, with CR LF line ends" \
  "$(printf '%s\r\nWonders only on land maps\r\n' "$long_line" | od -c)" "$(od -c <Rules/house.txt)"

# A new rule text window starts empty; Load fills it from the file.
press ctrl+3
wait_for 10 control_reads "$editor_window" 123 "" || echo "no fresh rule text window"
expect_equal "the fresh window's text box is empty" "" "$(control_text "$editor_window" 126)"
click_control "$editor_window" 123
xdotool type "house"
click_control "$editor_window" 124  # Load
wait_for 10 control_reads "$editor_window" 126 "$(cat Rules/house.txt)" || echo "Load did not fill the text box"
expect_equal "Load shows the saved text again" "$(od -c <Rules/house.txt)" \
  "$(control_text "$editor_window" 126 | od -c)"
screenshot editor_rule_text_loaded
cp Rules/house.txt house.saved
rm Rules/house.txt
click_control "$editor_window" 125  # Save
wait_for 10 test -s Rules/house.txt || echo "Save wrote no Rules/house.txt"
expect_equal "saving the loaded text again leaves the file as it was" "$(od -c <house.saved)" \
  "$(od -c <Rules/house.txt)"

# A folder in the way of the save's temporary file: the box says why, and
# the text stays.
mkdir Rules/house.txt.tmp
click_control "$editor_window" 125  # Save
wait_for 10 error_box_text || echo "a failed save showed no error box"
screenshot editor_rule_text_not_saved
expect_equal "the box says why the text was not saved" yes \
  "$([[ $(error_box_text) == "Not saved: ./Rules/house.txt - no new file can be made in the Rules folder"* ]] && echo yes ||
    error_box_text)"
press Return
wait_for 5 error_box_gone || echo "the error box did not close"
expect_equal "the text stays in the window" "$(od -c <house.saved)" \
  "$(control_text "$editor_window" 126 | od -c)"
rmdir Rules/house.txt.tmp

click_control "$editor_window" 123
xdotool key ctrl+a
xdotool type "no?rush"
click_control "$editor_window" 125  # Save
wait_for 10 error_box_text || echo "a name with ? showed no error box"
screenshot editor_rule_text_bad_name
expect_equal "the box names the character a file name cannot hold" yes \
  "$([[ $(error_box_text) == "The name holds ?, which a file name cannot hold"* ]] && echo yes || error_box_text)"
press Return
wait_for 5 error_box_gone || echo "the error box did not close"

quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
