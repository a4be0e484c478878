#!/usr/bin/env bash
# The preview that Sortilane_Check.bat runs also checks what a match needs
# later: the sample folder passes, and a rule text of 256 bytes fails it like
# bad data, with its line on standard error. Its own numbers are refused when
# they do not fit. With seed_word the word gives the seed, of --draw N too,
# and --seed beside it is refused. A --swap of a name that is no player's is
# refused.
set -euo pipefail
preview=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$2/." "$work/"
failures=0
check() {  # what, expected, actual
  if [[ "$2" == "$3" ]]; then echo "ok: $1"; else echo "FAILED: $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}
status=0
"$preview" --dir "$work" --seed 1 -- rating handicap >/dev/null 2>&1 || status=$?
check "the sample folder passes" 0 "$status"
word=$("$preview" --dir "$work" -- rating seed_word pancake 2>/dev/null)
check "the word's seed line" "Seed: 805679160 (word pancake)" "$(sed -n 3p <<<"$word")"
seeded=$("$preview" --dir "$work" --seed 805679160 -- rating 2>/dev/null)
check "the word's report is its seed's" "$(sed 3d <<<"$seeded")" "$(sed 3d <<<"$word")"
check "draw 2 of the word" "Seed: -59217975 (word pancake, draw 2)" \
  "$("$preview" --dir "$work" --draw 2 -- rating seed_word pancake 2>/dev/null | sed -n 3p)"
status=0
"$preview" --dir "$work" --seed 1 -- rating seed_word pancake >/dev/null 2>&1 || status=$?
check "--seed beside seed_word is refused" 2 "$status"
status=0
errors=$("$preview" --dir "$work" --seed 1 --swap Senna Nobody -- rating 2>&1 >/dev/null) || status=$?
check "--swap of an unknown name is refused" 1 "$status"
check "--swap says which name" "sortilane_preview: --swap: no player of the match is named Nobody" "$(tail -n 1 <<<"$errors")"
head -c 256 /dev/zero | tr '\0' x >"$work/Rules/nomads.txt"
status=0
errors=$("$preview" --dir "$work" --seed 1 -- rating handicap 2>&1 >/dev/null) || status=$?
check "a rule text of 256 bytes fails the check" 1 "$status"
check "the line names the file" "Rule text over 255 bytes - ./rules/nomads.txt" "$errors"
# A number that does not fit is refused, not cut to another report.
for refused in "--draw 99999999999" "--draw 0" "--seed 4294967297" "--seed 12x"; do
  status=0
  errors=$("$preview" --dir "$work" ${refused} -- rating 2>&1 >/dev/null) || status=$?
  check "$refused is refused" 2 "$status"
  check "$refused says why" "sortilane_preview: ${refused% *} needs a whole number" "$(head -n 1 <<<"$errors" | cut -d' ' -f1-6)"
done
exit "$failures"
