#!/usr/bin/env bash
# sortilane_preview --ratings replays Results.txt: one line per player in the
# order of first appearance (name, mu, sigma, rated matches, wins), a broken
# line named on standard error; without Results.txt it prints nothing. Two
# names an alias line makes one player print one line.
set -euo pipefail
preview=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {
  if [[ $2 == "$3" ]]; then echo "ok: $1"; else echo "FAILED: $1: got [$2], wanted [$3]"; failures=$((failures + 1)); fi
}

check "no Results.txt" "$("$preview" --ratings --dir "$work" 2>&1; echo "exit $?")" "exit 0"

# Two players of 1500, the second wins: with sigma 250, tau 5 and beta 125
# each moves by (250^2 + 5^2) / c / 2, c = sqrt(2 * (250^2 + 5^2 + 125^2)).
printf '%s\r\n' $'2026-03-14 20:05\t7\t2\tJos\xc3\xa9\t1\t1500\tVlad\t2\t1500' 'broken' \
  $'2026-03-14 20:40\t8\t-\tVlad\t1\t1700\tZo\xc3\xab\t2\t900' >"$work/Results.txt"
out=$("$preview" --ratings --dir "$work" 2>"$work/stderr")
check "ratings" "$out" $'Jos\xc3\xa9\t1420.924087\t242.012598\t1\t0\nVlad\t1579.075913\t242.012598\t1\t1\nZo\xc3\xab\t900.000000\t250.000000\t0\t0'
check "skipped line" "$(cat "$work/stderr")" \
  "Results.txt line 2 skipped: the fields (1) are not the date, seed, result and three for each player"

# An alias line makes Vlad and Влад one player, under Влад: one line for
# him, with both matches; a circle closed later is skipped and said.
printf '%s\r\n' $'2026-03-14 20:05\t7\t2\tJos\xc3\xa9\t1\t1500\tVlad\t2\t1500' \
  $'alias\tVlad\t\xd0\x92\xd0\xbb\xd0\xb0\xd0\xb4' $'alias\t\xd0\x92\xd0\xbb\xd0\xb0\xd0\xb4\tVlad' \
  $'2026-03-14 20:40\t8\t1\t\xd0\x92\xd0\xbb\xd0\xb0\xd0\xb4\t1\t1500\tJos\xc3\xa9\t2\t1500' >"$work/Results.txt"
out=$("$preview" --ratings --dir "$work" 2>"$work/stderr")
check "one line for the alias's new name" "$(cut -f 1,4,5 <<<"$out")" $'Jos\xc3\xa9\t2\t0\n\xd0\x92\xd0\xbb\xd0\xb0\xd0\xb4\t2\t2'
check "the circle is skipped" "$(cat "$work/stderr")" \
  $'Results.txt line 3 skipped: the alias closes a circle: Vlad is known as \xd0\x92\xd0\xbb\xd0\xb0\xd0\xb4 already'

check "no match words" "$("$preview" --ratings --dir "$work" -- rating 2>/dev/null; echo "exit $?")" "exit 2"
exit "$failures"
