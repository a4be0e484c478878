#!/usr/bin/env bash
# sortilane_preview prints the report in UTF-8: names of four scripts from a
# UTF-8 PlayerData.txt come out as the same bytes, padded to their field by
# characters, and the whole output is valid UTF-8.
set -euo pipefail
preview=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$2/." "$work/"
printf '%s' "player_num {4} team_num {2} player_name { 'José' 'Влад' '李雷' 'Zoë' } " \
  "player_rating { 1500 1420 1600 1700 } player_fmt_group { 0 0 0 0 }" >"$work/PlayerData.txt"
out=$("$preview" --dir "$work" --seed 7 -- rating)
failures=0
for row in '| José             |' '| Влад             |' '| 李雷               |' '| Zoë              |'; do
  if [[ $out == *"$row"* ]]; then echo "ok: $row"; else echo "FAILED: no row $row in: $out"; failures=$((failures + 1)); fi
done
if iconv -f UTF-8 -t UTF-8 <<<"$out" >/dev/null; then echo "ok: valid UTF-8"; else echo "FAILED: not UTF-8"; failures=$((failures + 1)); fi
exit "$failures"
