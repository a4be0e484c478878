#!/usr/bin/env bash
# The release's Sortilane_Fair_Teams.bat (rating fair_teams learned_ratings
# fmt_uncounter) starts the randomiser under Wine; Ctrl+1 types a report with
# the "Fair Teams 25" cell and, although two players share a friend group, no
# handicap, that equals the native preview's for the typed seed,
# and the preview's balance for that seed shows teams within 25 of the best
# spread. A second start, with the first match in Results.txt, types the
# preview's report for its seed too, with a line-up other than the first one
# (these eight players have several splits within 25 of the best, and the
# draw takes one that repeats the fewest teammates of the first). With a
# margin of 10 only two splits are fair, and the draw's balloon says so with
# the margin that lets in a third.
source "$(dirname "$0")/e2e_lib.sh"

words=(rating fair_teams learned_ratings fmt_uncounter)
expect_equal "the batch file starts the randomiser with the fair teams words" \
  "Brenlow_Sortilane.exe ${words[*]}" "$(grep -a '^Brenlow_Sortilane.exe' Sortilane_Fair_Teams.bat | tr -d '\r')"

printf '%s' "player_num {8} team_num {2} player_name { 'Alder' 'Brisk' 'Corra' 'Dunmore' 'Ember' 'Fallow' 'Gale' 'Hollin' } player_rating { 1650 1480 1720 1390 1555 1610 1500 1580 } player_fmt_group { 0 2 0 0 0 2 0 0 }" >PlayerData.txt

# Starts the batch file, types its report with Ctrl+1 and checks it against
# the preview; the typed report is left in the variable typed.
fair_match() {
  : >chat.txt
  e2e_start wine cmd /c Sortilane_Fair_Teams.bat
  randomiser_pid=$last_pid
  wait_past_splash
  screenshot "fair_teams_running_$1"
  focus_chat
  press ctrl+1
  wait_randomiser 30
  expect_equal "$1: Ctrl+1 ends the program and its batch file with 0" 0 "$randomiser_status"
  seed=$(typed_seed)
  expect_equal "$1: the report shows its seed" yes "$([[ -n $seed ]] && echo yes)"
  typed=$(chat_text)
  expect_equal "$1: the report has the fair teams cell and no handicap" yes \
    "$(grep -qxF '| Fair Teams 25 | ' <<<"$typed" && ! grep -q Handicap <<<"$typed" && echo yes)"
  expect_equal "$1: the typed report is the preview's for seed ${seed:-?}" \
    "$(preview_report "${seed:-0}" "${words[@]}")" "$typed"
}

# The teams of a typed report, each as its sorted names, the teams sorted.
lineup_of() {
  sed -n 's/^| \([^|]*[^ |]\) *| | [^|]* | | [^|]* | | \([0-9]\) *|$/\2 \1/p' <<<"$1" |
    sort -k1,1 -k2 | awk '{ t = $1; $1 = ""; teams[t] = teams[t] $0 "," } END { for (t in teams) print teams[t] }' | sort
}

start_chat
fair_match first
first_typed=$typed
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

expect_equal "data.txt holds the first report" "$first_typed" "$(tr -d '\r' <data.txt)"
fair_match second
first_lineup=$(lineup_of "$first_typed")
second_lineup=$(lineup_of "$typed")
expect_equal "the first report shows two teams of four" 2 "$(grep -c , <<<"$first_lineup")"
expect_equal "the second match has a line-up of its own (was: $(tr '\n' ' ' <<<"$first_lineup"))" yes \
  "$([[ -n $second_lineup && $second_lineup != "$first_lineup" ]] && echo yes)"

# Brisk and Fallow kept together, the spreads of the splits are 1, 9, 21, ...
start_randomiser rating fair_teams 10
wait_past_splash
expect_equal "the balloon of a draw with two fair splits says so and how to widen the margin" yes \
  "$(wait_for 15 balloon_says "Only 2 fair splits (margin 10): the teams take turns; fair_teams 20 allows 3" &&
    echo yes || echo no)"
screenshot fair_teams_two_splits
focus_chat
press ctrl+1
wait_randomiser 30
expect_equal "the draw with two fair splits types its report and ends with 0" 0 "$randomiser_status"

e2e_finish
