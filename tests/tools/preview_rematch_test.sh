#!/usr/bin/env bash
# With rematch the preview prints the saved report (data.txt) as Ctrl+1 would
# type it again, and no map: the map drawn at its start is not the saved
# match's.
set -euo pipefail
preview=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$2/." "$work/"
printf 'Seed: 7\r\n| Halvard | | 2 |\r\n' >"$work/data.txt"
out=$("$preview" --dir "$work" --seed 1 -- rematch)
expected=$'Seed: 7\n| Halvard | | 2 |'
if [[ $out == "$expected" ]]; then
  echo "ok: the saved report and no map"
else
  echo "FAILED: expected [$expected], got [$out]"
  exit 1
fi
