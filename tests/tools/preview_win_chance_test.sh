#!/usr/bin/env bash
# With learned_ratings, sortilane_preview --balance prints the win chances of
# the drawn teams (those of the report's Win Chance line) and of the fairest
# split; without the word neither the report nor the balance speaks of them.
set -euo pipefail
preview=$1
dist=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$dist/." "$work/"
failures=0
check() {
  if [[ $2 == "$3" ]]; then echo "ok: $1"; else echo "FAILED: $1: got [$2], wanted [$3]"; failures=$((failures + 1)); fi
}

out=$("$preview" --dir "$work" --seed 7 --balance -- learned_ratings fair_teams)
reported=$(sed -n 's/^| Win Chance \([0-9% ]*\) | $/\1/p' <<<"$out")
check "the report has a Win Chance line" "$([[ -n $reported ]] && echo yes)" yes
check "the balance repeats it" "$(sed -n 's/^Win chance: //p' <<<"$out")" "$reported"
check "the fairest split's chances follow" \
  "$(grep -c "^Win chance of the fairest split (player 1's team first): [0-9]*% [0-9]*%$" <<<"$out")" 1

out=$("$preview" --dir "$work" --seed 7 --balance -- rating fair_teams)
check "without learned_ratings no win chance" "$(grep -ci 'win chance' <<<"$out" || true)" 0
exit "$failures"
