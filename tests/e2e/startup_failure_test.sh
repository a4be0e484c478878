#!/usr/bin/env bash
# The Windows program under Wine refuses player data it cannot use: exit code
# 1 before any window.
source "$(dirname "$0")/e2e_lib.sh"

# Data the randomiser cannot use: six players in four teams.
sed -i 's/team_num {2}/team_num {4}/' PlayerData.txt
status=0
timeout 20 wine Brenlow_Sortilane.exe rating || status=$?
expect_equal "exit code of bad player data" 1 "$status"

e2e_finish
