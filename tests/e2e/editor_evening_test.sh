#!/usr/bin/env bash
# The editor's tray menu "Evening report" under Wine: it writes Evening.html
# from Results.txt (40 matches of 12 players), the same bytes as the native
# preview's --evening for the same folder, and asks the program registered
# for .html (a stand-in that records its command line) to open it. The page
# is rendered by headless Chromium for the guide. With a program for .html
# that cannot start, an error box gives the page's full path, which is also
# on the clipboard, and the page is still written.
source "$(dirname "$0")/e2e_lib.sh"

preview="${BRENLOW_BUILD:-$e2e_root/build}/tools/sortilane_preview"
python3 "$e2e_root/tests/tools/make_evening_results.py" 40 12 >Results.txt
mkdir -p "$e2e_work/native"
cp Results.txt "$e2e_work/native/"
"$preview" --evening --dir "$e2e_work/native" >/dev/null
menu_rows=9  # Exit, Display Tooltips, Credits, Modifications Made, Evening report, Team 1 won, Team 2 won, Not rated, Undo last result

# .html opens with the command $1 "%1".
html_opens_with() {
  wine reg add 'HKCR\.html' /ve /d BrenlowTestPage /f >/dev/null 2>&1
  wine reg add 'HKCR\BrenlowTestPage\shell\open\command' /ve /d "\"$1\" \"%1\"" /f >/dev/null 2>&1
}
page_path=$(winepath -w "$PWD/Evening.html" 2>/dev/null)
opened_page() { grep -qF "\"$page_path\"" opened.txt; }
html_opens_with "$(winepath -w "$PWD/open_recorder.exe" 2>/dev/null)"

start_editor
wait_editor_ready

open_tray_menu
sleep 0.5
screenshot editor_evening_menu
choose_menu_entry 5 "$menu_rows"  # "Evening report"
expect_equal "the stand-in for .html is asked to open the page" yes \
  "$(wait_for 20 opened_page && echo yes || { cat opened.txt 2>/dev/null; echo no; })"
expect_equal "the editor's page is the native preview's, byte for byte" yes \
  "$(cmp -s Evening.html "$e2e_work/native/Evening.html" && echo yes || echo no)"
"$e2e_root/tests/tools/render_page.sh" Evening.html shot "$e2e_artifacts/guide_evening_page.png" >/dev/null ||
  echo "Chromium did not render the page"

# A program for .html that is not there: the box with the path.
rm -f Evening.html
html_opens_with 'C:\no such folder\browser.exe'
open_tray_menu
sleep 0.5
choose_menu_entry 5 "$menu_rows"  # "Evening report"
wait_for 20 error_box_text || echo "no error box showed"
screenshot editor_evening_open_failed
box=$(error_box_text 2>/dev/null || true)
expect_equal "the box says no program opened the page and gives its full path" yes \
  "$([[ $box == *"no program opened it"* && $box == *"$page_path"* ]] && echo yes || echo "$box")"
expect_equal "the path is on the clipboard" "$page_path" "$(xclip -o -selection clipboard 2>/dev/null || true)"
expect_equal "the page was written all the same" yes \
  "$(cmp -s Evening.html "$e2e_work/native/Evening.html" && echo yes || echo no)"
press Return
wait_for 5 error_box_gone || echo "the error box stayed"

quit_with_esc
wait_editor 10
expect_equal "Esc ends the editor with 0" 0 "$editor_status"
e2e_finish
