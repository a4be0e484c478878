#!/usr/bin/env bash
# The release's Sortilane_Fair_Teams.bat (rating fair_teams handicap) starts
# the randomiser under Wine; Ctrl+1 types a report with the "Fair Teams 25"
# cell that equals the native preview's for the typed seed, and the preview's
# balance for that seed shows teams within 25 of the best spread.
source "$(dirname "$0")/e2e_lib.sh"

words=(rating fair_teams handicap)
expect_equal "the batch file starts the randomiser with the fair teams words" \
  "Brenlow_Sortilane.exe ${words[*]}" "$(grep -a '^Brenlow_Sortilane.exe' Sortilane_Fair_Teams.bat | tr -d '\r')"

start_chat
e2e_start wine cmd /c Sortilane_Fair_Teams.bat
randomiser_pid=$last_pid
wait_past_splash
screenshot fair_teams_running
focus_chat
press ctrl+1
wait_randomiser 30
expect_equal "Ctrl+1 ends the program and its batch file with 0" 0 "$randomiser_status"

seed=$(typed_seed)
expect_equal "the report shows its seed" yes "$([[ -n $seed ]] && echo yes)"
typed=$(chat_text)
expect_equal "the report has the fair teams cell before the handicap" yes \
  "$(grep -qxF '| Fair Teams 25 | | Handicap | ' <<<"$typed" && echo yes)"
expect_equal "the typed report is the preview's for seed ${seed:-?}" \
  "$(preview_report "${seed:-0}" "${words[@]}")" "$typed"

balance=$("${BRENLOW_BUILD:-$e2e_root/build}/tools/sortilane_preview" --dir "$e2e_work/preview" \
  --seed "${seed:-0}" --balance -- "${words[@]}")
spread=$(sed -n 's/^Spread: \([0-9]*\)$/\1/p' <<<"$balance")
best=$(sed -n 's/^Best spread possible: \([0-9]*\)$/\1/p' <<<"$balance")
expect_equal "the preview's balance shows a spread and the best one" yes \
  "$([[ -n $spread && -n $best ]] && echo yes)"
expect_equal "the typed teams are within 25 of the best spread ($spread, best $best)" yes \
  "$([[ -n $spread && -n $best && $spread -le $((best + 25)) ]] && echo yes)"
expect_equal "the preview's teams are the typed team scores" yes \
  "$(grep -q "Team Scores $(sed -n 's/^Team [0-9]: .* ~ Score \([0-9]*\)$/\1/p' <<<"$balance" | tr '\n' ' ')~" \
    <<<"$typed" && echo yes)"

e2e_finish
