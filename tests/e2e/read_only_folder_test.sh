#!/usr/bin/env bash
# Files and a working folder that cannot be written, under Wine. A read-only
# Results.txt at Ctrl+1: the box says the report is saved in data.txt but
# the match was not added to Results.txt, with the system's reason and what
# that loses, and the randomiser ends with 0 once it is closed. A read-only
# folder: the editor's start shows one box in front that says PlayerData.txt
# is read-only and how to mend it, and the editor ends with 0 once it is
# closed, as after any failed start; the randomiser's Ctrl+1 there says in
# one box that neither data.txt nor the match's line in Results.txt was
# saved, each with the system's reason. The folder is a read-only view of
# the test's working folder (a read-only bind mount).
source "$(dirname "$0")/e2e_lib.sh"

# Types the report with Ctrl+1 into the chat, which records into the
# writable folder, and waits for the box; its text is left in box.
ctrl1_box() {
  start_randomiser rating
  wait_past_splash
  focus_chat
  press ctrl+1
  wait_for 60 error_box_text || echo "no error box after Ctrl+1"
  box=$(error_box_text || true)
}

start_chat
printf '2026-03-14 20:41\t12\t1\tJos\xc3\xa9\t1\t1850\tVlad\t2\t2400\r\n' >Results.txt
cp Results.txt "$e2e_work/results_before.txt"
# The tests run as root, who may write any file, and for whom Wine replaces a
# read-only one: the immutable mark makes the system refuse it, as Windows
# refuses a read-only file.
chmod a-w Results.txt
trap 'chattr -i "$e2e_work/game/Results.txt" 2>/dev/null || true; e2e_cleanup' EXIT
chattr +i Results.txt || echo "Results.txt could not be marked immutable"
ctrl1_box
expect_equal "the box says the report is saved but Results.txt did not take the match, why, and what is lost" yes \
  "$([[ $box == *'The whole report is saved in data.txt.'* &&
    $box == *'The match was not added to Results.txt: Results.txt could not be written ('?*')'* &&
    $box == *'would go to the match before this one'* ]] && echo yes || echo "$box")"
screenshot read_only_results_box
press Return
wait_randomiser 10
expect_equal "the randomiser ends with 0 once the box is closed" 0 "$randomiser_status"
expect_equal "Results.txt stays as it was" yes "$(cmp -s Results.txt "$e2e_work/results_before.txt" && echo yes)"
expect_equal "data.txt holds the typed report" "$(chat_text)" "$(tr -d '\r' <data.txt)"
chattr -i Results.txt
rm -f data.txt

read_only=$e2e_work/read_only
mkdir "$read_only"
mount --bind . "$read_only"
trap 'cd /; umount -l "$read_only" 2>/dev/null || true; e2e_cleanup' EXIT
mount -o remount,ro,bind "$read_only"
cd "$read_only"

start_editor
wait_for 30 error_box_text || echo "no error box"
box=$(error_box_text || true)
expect_equal "the box says PlayerData.txt is read-only and how to mend it" yes \
  "$([[ $box == *'PlayerData.txt is read-only'* && $box == *'Program Files'* ]] && echo yes || echo "$box")"
expect_equal "the box is the foreground window" Error "$(foreground_title)"
screenshot read_only_box
press Return
wait_editor 10
expect_equal "the editor ends with 0" 0 "$editor_status"
expect_equal "no second box follows" no "$(fails_for 3 error_box_text && echo no || echo yes)"

: >"$e2e_work/game/chat.txt"
ctrl1_box
expect_equal "the box names data.txt and the match's line in Results.txt as not saved, each with the system's reason" \
  yes "$([[ $box == *'The report was typed but not saved: no new file can be made in the randomiser'* &&
    $box == *'The system says: '?* && $box == *'The match was not added to Results.txt: '*'('?*')'* ]] &&
    echo yes || echo "$box")"
screenshot read_only_folder_ctrl1_box
press Return
wait_randomiser 10
expect_equal "the randomiser in a read-only folder ends with 0 once the box is closed" 0 "$randomiser_status"
e2e_finish
