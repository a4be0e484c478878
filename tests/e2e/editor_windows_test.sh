#!/usr/bin/env bash
# The editor's windows under Wine: the live display, the rule text window and
# the credits window are centred in the screen less the taskbar; the credits
# window fits a 1024x768 screen; an error box of the
# rule text window comes up in front of it with the focus, and the window
# takes no clicks (and makes no second box) until the box is closed.
source "$(dirname "$0")/e2e_lib.sh"

# "yes" when the window titled $1 is centred across the 1024x768 screen and
# inside it above the taskbar, else where it is.
centred_place() {
  local left top right bottom
  read -r left top right bottom <<<"$(window_place "$1")"
  ( ((left >= 0 && top >= 0 && bottom <= 748 && (left - (1024 - right)) ** 2 <= 4)) && echo yes) ||
    echo "at $left $top $right $bottom"
}
error_boxes() { window_list | awk -F'\t' '$2 == "#32770" && $3 == "Error"' | wc -l; }
# The first shown window, front to back, of the error box and the editor's.
front_editor_window() { front_window_of Error "$editor_window" "$live_display"; }

start_editor
wait_editor_ready
expect_equal "the live display is centred on the screen" yes "$(centred_place "$live_display")"

press ctrl+3
wait_for 10 control_reads "$editor_window" 121 "Rule Text" || echo "the rule text window did not show"
expect_equal "the rule text window is centred on the screen" yes "$(centred_place "$editor_window")"
read -r left top _ <<<"$(window_place "$editor_window")"
click_control "$editor_window" 123
xdotool type "missing"
click_control "$editor_window" 124  # Load
wait_for 10 control_text Error 65535 || echo "no error box"
expect_equal "Load of a missing file shows its error box" "Cannot find - ./Rules/missing.txt" \
  "$(control_text Error 65535 || true)"
expect_equal "the error box is the foreground window" Error "$(foreground_title)"
expect_equal "the error box is in front of the rule text window" Error "$(front_editor_window)"
click_control "$editor_window" 124  # Load again, while the box is open
xdotool mousemove $((left + 100)) $((top + 10)) click 1  # and the rule text window's title
sleep 1
screenshot editor_error_box
expect_equal "a click on the window makes no second box" 1 "$(error_boxes)"
expect_equal "the error box stays in front of the rule text window" Error "$(front_editor_window)"
press Return
expect_equal "Enter closes the error box" yes "$(wait_for 5 error_box_gone && echo yes)"
expect_equal "the rule text window has the focus again" "$editor_window" "$(foreground_title)"

# The credits window from the tray menu's third entry.
open_tray_menu
choose_menu_entry 3 7  # "Credits"; without Results.txt the menu ends with "Not rated" and "Undo last result"
wait_for 10 control_reads "$editor_window" 251 "Credits" || echo "the credits window did not show"
sleep 0.5
screenshot editor_credits
expect_equal "the credits window is centred and fits the screen above the taskbar" yes \
  "$(centred_place "$editor_window")"

quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
