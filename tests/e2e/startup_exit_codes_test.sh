#!/usr/bin/env bash
# The Windows program under Wine: a bad option word ends it with exit code 1
# and its line in debug.txt; good words and bad data end as they should.
source "$(dirname "$0")/e2e_lib.sh"

status=0
wine Brenlow_Sortilane.exe rating Foo || status=$?
expect_equal "exit code of a bad word" 1 "$status"
expect_equal "debug line of a bad word" "Error Args? - foo" "$(tr -d '\r' <debug.txt)"
rm -f debug.txt

status=0
wine Brenlow_Sortilane.exe rating handicap single_tier 3 || status=$?
expect_equal "exit code of good words" 0 "$status"
status=0
wine Brenlow_Sortilane.exe validate anything || status=$?
expect_equal "exit code of validate" 0 "$status"
expect_equal "debug.txt after good runs" "" "$(cat debug.txt 2>/dev/null || true)"

# Data the randomiser cannot use: six players in four teams.
cp PlayerData.txt PlayerData.good
sed -i 's/team_num {2}/team_num {4}/' PlayerData.txt
status=0
wine Brenlow_Sortilane.exe rating || status=$?
expect_equal "exit code of bad player data" 1 "$status"
mv PlayerData.good PlayerData.txt

e2e_finish
