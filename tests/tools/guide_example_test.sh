#!/usr/bin/env bash
# The report that the guide shows as its example (the code block after the
# line naming seed 1412622073 in docs/guide/03_report.md) is the one the
# preview computes on the release's sample files for that seed and the words
# "rating handicap", line for line (trailing blanks aside).
set -euo pipefail
preview=$1
dist=$2
guide=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$dist/." "$work/"
"$preview" --dir "$work" --seed 1412622073 -- rating handicap | sed '$d; s/ *$//' >"$work/computed.txt"
# The first indented block of the guide's file, without its indent.
awk '/^    / { block = 1; sub(/^    /, ""); print; next }
     block && /^$/ { print; next }
     block { exit }' "$guide" | sed 's/ *$//' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}' >"$work/shown.txt"
if diff "$work/computed.txt" "$work/shown.txt"; then
  echo "ok: the guide's example report is the preview's for seed 1412622073"
else
  echo "FAILED: the guide's example report (>) differs from the preview's (<)"
  exit 1
fi
