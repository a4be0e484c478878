#!/usr/bin/env bash
# A working folder that cannot be written, under Wine: the editor's start
# shows one box in front that says PlayerData.txt is read-only and how to
# mend it, and the editor ends with 0 once it is closed, as after any failed start. The folder is a
# read-only view of the test's working folder (a read-only bind mount).
source "$(dirname "$0")/e2e_lib.sh"

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
e2e_finish
