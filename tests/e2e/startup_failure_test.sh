#!/usr/bin/env bash
# A randomiser that cannot start says why: after its lines are logged it shows
# one error box in front, with the focus, holding this run's debug lines and
# where debug.txt is; OK ends it with the exit code it always had. The native
# preview prints the same lines on standard error. Among the causes: a
# PlayerData.txt that lost a }, a team pin without fair_teams, friends pinned
# to two teams, a repost without data.txt and, for validate, a rule text too
# long to type; a validate run that finds everything fine says
# so in its balloon.
source "$(dirname "$0")/e2e_lib.sh"

folder=$(winepath -w "$PWD")
message_id=65535  # the text of a message box

# Starts the randomiser with the words given, expects the error box with the
# debug lines $1, presses OK and expects the exit code $2.
expect_failure_box() {
  local lines=$1 code=$2 what=$3
  shift 3
  rm -f debug.txt
  start_randomiser "$@"
  wait_for 20 control_text Error "$message_id" || echo "no error box for $what"
  expect_equal "the box for $what holds its lines and the log's place" \
    "$lines"$'\n\n'"See debug.txt in $folder" "$(control_text Error "$message_id" 2>/dev/null || true)"
  expect_equal "the box for $what comes in front with the focus" Error "$(foreground_title)"
  screenshot "startup_failure_${what// /_}"
  press Return
  wait_randomiser 10
  expect_equal "exit code for $what" "$code" "$randomiser_status"
  expect_equal "debug.txt for $what" "$lines" "$(tr -d '\r' <debug.txt 2>/dev/null || true)"
}

expect_failure_box "Error Args? - foo" 1 "a bad word" rating Foo

start_chat
focus_chat
cp PlayerData.txt PlayerData.saved
sed -i 's/player_num {6}/player_num {5}/' PlayerData.txt
five_in_two="PlayerData player_num is not a whole multiple of team_num - Passed ~ 5 players in 2 teams"
expect_failure_box "$five_in_two" 1 "5 players in 2 teams" rating
preview_status=0
preview_errors=$("${BRENLOW_BUILD:-$e2e_root/build}/tools/sortilane_preview" --seed 1 -- rating 2>&1 >/dev/null) ||
  preview_status=$?
expect_equal "the preview's exit code for 5 players in 2 teams" 1 "$preview_status"
expect_equal "the preview prints the line on standard error" "$five_in_two" "$preview_errors"
mv PlayerData.saved PlayerData.txt

# A PlayerData.txt that lost the } after its names: the keys after it are
# read as names, and the randomiser says which key it misses.
cp PlayerData.txt PlayerData.saved
sed -i "s/'p8' }/'p8'/" PlayerData.txt
lost_brace="PlayerData.txt has no player_rating - is a } or a quote missing before it?"
expect_failure_box "$lost_brace" 1 "PlayerData names without their closing bracket" rating
preview_status=0
preview_errors=$("${BRENLOW_BUILD:-$e2e_root/build}/tools/sortilane_preview" --seed 1 -- rating 2>&1 >/dev/null) ||
  preview_status=$?
expect_equal "the preview's exit code for the lost }" 1 "$preview_status"
expect_equal "the preview prints the lost }'s line on standard error" "$lost_brace" "$preview_errors"
mv PlayerData.saved PlayerData.txt

# A team pin without fair_teams, and friends pinned to two teams with it.
cp PlayerData.txt PlayerData.saved
printf ' player_team_pin { 0 1 0 0 0 2 0 0 }' >>PlayerData.txt
expect_failure_box "PlayerData pins players to teams or keeps them apart: start with fair_teams, which keeps them" 1 \
  "a pin without fair_teams" rating
expect_failure_box "PlayerData pins and apart groups that no split can keep: Mirelle and Pellworth are friends \
(FMT group 3) but pinned to teams 1 and 2" 1 "friends pinned to two teams" fair_teams
mv PlayerData.saved PlayerData.txt

rm -f data.txt
no_saved_report="No saved report to post again - data.txt is missing (a run saves its report there when Ctrl+1 types it)"
expect_failure_box "$no_saved_report" 1 "a repost without data.txt" repost

cp Rules/Usual.txt Rules/Usual.saved
head -c 256 /dev/zero | tr '\0' x >Rules/Usual.txt
expect_failure_box "Rule text over 255 bytes - ./Rules/Usual.txt" 1 "validate with a rule text of 256 bytes" validate
mv Rules/Usual.saved Rules/Usual.txt

rm -f debug.txt
start_randomiser validate
wait_for 15 balloon_says "Files and words are fine" || echo "no balloon saying the files and words are fine"
screenshot validate_fine_balloon
expect_equal "validate's balloon says the files and words are fine" yes \
  "$(balloon_says "Files and words are fine" && echo yes || echo no)"
quit_with_esc
wait_randomiser 10
expect_equal "Esc ends the validate run with 0" 0 "$randomiser_status"
expect_equal "no debug lines from a validate run that finds the files fine" "" "$(cat debug.txt 2>/dev/null || true)"

mv Images/randomiser_flash.bmp Images/away.bmp
expect_failure_box "Could not load the splash picture ./Images/randomiser_flash.bmp" 0 "a missing splash picture" rating
mv Images/away.bmp Images/randomiser_flash.bmp

e2e_finish
