#!/usr/bin/env bash
# Ctrl+1 under Wine adds the typed match to Results.txt: the local time, the
# seed, - for no result yet, and each player of the table with the team, the
# civilisation and the rating PlayerData.txt holds. With a Results.txt of rated matches, a run
# with learned_ratings types the Team Scores of the ratings the replay
# teaches and a Win Chance line, the report the native preview computes for
# its seed, and adds its own line with the file's ratings, not the learned ones.
# A player the file marks unrated whom the results have rated is no longer
# marked, and the start balloon says what rated him, who is new tonight and
# the skipped lines.
source "$(dirname "$0")/e2e_lib.sh"

names=(Halvard Mirelle Tobin_Quay Senna Orrick Pellworth)
file_ratings=(1480 1720 1150 1890 1340 1610)
preview="${BRENLOW_BUILD:-$e2e_root/build}/tools/sortilane_preview"

# The players of the typed report's table, "name team civilisation" a line,
# in table order.
typed_teams() {
  chat_text | sed -n 's/^| \([^ |]*\) *| | [^|]* | | \([^ |]*\) *| | \([0-9]\) *|$/\1 \3 \2/p'
}

# The Results.txt line that the typed report should have added, after its date.
expected_line_tail() {
  local tail="	$(typed_seed)	-" p=0 name team civ
  while read -r name team civ; do
    tail+="	$name	$team $civ	${file_ratings[p]}"
    p=$((p + 1))
  done < <(typed_teams)
  printf '%s' "$tail"
}

start_chat
type_into_chat_with rating
expect_equal "Ctrl+1 ends the program with 0" 0 "$randomiser_status"
expect_equal "the report names every player in a team" "${#names[@]}" "$(typed_teams | wc -l)"
expect_equal "Results.txt holds one line, ended by CR LF" 1 "$(grep -c $'\r$' Results.txt 2>/dev/null || true)"
line=$(tr -d '\r' <Results.txt 2>/dev/null || true)
expect_equal "the line starts with the local date and time" yes \
  "$([[ $line =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}\ [0-9]{2}:[0-9]{2}	 ]] && echo yes)"
expect_equal "then the seed, no result and the players with their teams, civilisations and file ratings" \
  "$(expected_line_tail)" "${line:16}"

# Two rated matches of the evening: the second of each won.
printf '%s\r\n' \
  $'2026-03-14 20:05\t101\t2\tHalvard\t1\t1480\tSenna\t1\t1890\tOrrick\t1\t1340\tMirelle\t2\t1720\tTobin_Quay\t2\t1150\tPellworth\t2\t1610' \
  $'2026-03-14 20:40\t102\t1\tTobin_Quay\t1\t1150\tSenna\t1\t1890\tOrrick\t1\t1340\tHalvard\t2\t1480\tMirelle\t2\t1720\tPellworth\t2\t1610' \
  >Results.txt
cp Results.txt "$e2e_work/rated.txt"
declare -A learned
while IFS=$'\t' read -r name mu _; do
  learned[$name]=$(awk -v mu="$mu" 'BEGIN { printf "%d", int(mu + 0.5) }')
done < <("$preview" --ratings --dir .)

: >chat.txt
type_into_chat_with learned_ratings fair_teams
expect_equal "learned_ratings: Ctrl+1 ends the program with 0" 0 "$randomiser_status"
seed=$(typed_seed)
typed=$(chat_text)
expect_equal "the typed report is the preview's for seed ${seed:-?}" \
  "$(preview_report "${seed:-0}" learned_ratings fair_teams)" "$typed"
sums=(0 0)
while read -r name team _; do sums[team - 1]=$((sums[team - 1] + learned[$name])); done < <(typed_teams)
scores="$((sums[0] / 3)) $((sums[1] / 3))"
expect_equal "the Team Scores are those of the learned ratings" \
  "| Team Scores $scores ~ Average $(((sums[0] / 3 + sums[1] / 3) / 2)) | " \
  "$(grep '^| Team Scores' <<<"$typed")"
expect_equal "a Win Chance line follows them" yes \
  "$(grep -A1 '^| Team Scores' <<<"$typed" | grep -qE '^\| Win Chance [0-9]+% [0-9]+% \| $' && echo yes)"
expect_equal "Results.txt keeps its lines and adds the match with the file's ratings" \
  "$(tr -d '\r' <"$e2e_work/rated.txt")"$'\n'"$(expected_line_tail)" \
  "$(tr -d '\r' <Results.txt | sed '$s/^.\{16\}//')"

# Senna came without a rating: PlayerData.txt marks him unrated, but the two
# won matches of Results.txt have rated him. A line that is no match is
# skipped, and the start balloon says so. Halvard has left and Mo, whom no
# line knows, came: the balloon names him as new tonight.
printf ' player_unrated { 0 0 0 1 0 0 0 0 }' >>PlayerData.txt
sed -i "s/'Halvard'/'Mo'/" PlayerData.txt
printf 'not a match\r\n' >>Results.txt
: >chat.txt
start_randomiser learned_ratings
wait_balloon
expect_equal "the start balloon names what rated Senna and the skipped line" yes \
  "$(wait_for 10 balloon_says "learned from 2 matches: Senna new tonight: Mo Results.txt: 1 line skipped (see debug.txt)" &&
    echo yes || window_list | awk -F'\t' '$2 == "tooltips_class32" { print $3 }')"
expect_equal "it no longer calls him unrated" no "$(balloon_says "Unrated" && echo yes || echo no)"
screenshot learned_ratings_balloon
wait_past_splash
focus_chat
press ctrl+1
wait_randomiser 30
expect_equal "learned Senna: Ctrl+1 ends the program with 0" 0 "$randomiser_status"
expect_equal "the report does not mark Senna's class" yes \
  "$(grep -qE '^\| Senna +\| \| [A-Za-z]+ +\|' <<<"$(chat_text)" && echo yes || chat_text)"
expect_equal "his rating in the match's Results.txt line keeps the file's mark" yes \
  "$(tail -n 1 Results.txt | grep -qP '\tSenna\t[12] [^\t]*\t1890\?(\t|\r|$)' && echo yes || tail -n 1 Results.txt)"

e2e_finish
