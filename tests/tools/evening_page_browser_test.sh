#!/usr/bin/env bash
# Evening.html as a real browser reads it: sortilane_preview --evening writes
# the page for 40 matches of 12 players (an evening past midnight, after an
# earlier one), headless Chromium renders it to a screenshot (kept in the
# artifacts folder, $2, to look at) and dumps its DOM,
# which holds the standings, the tally and a chart line for every player.
set -euo pipefail
preview=$1
artifacts=${2:-$(mktemp -d)}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"
failures=0
check() {
  if [[ $2 == "$3" ]]; then echo "ok: $1"; else echo "FAILED: $1: got [$2], wanted [$3]"; failures=$((failures + 1)); fi
}
python3 "$here/make_evening_results.py" 40 12 >"$work/Results.txt"
check "the preview writes the page" "$("$preview" --evening --dir "$work")" "Evening.html"
"$here/render_page.sh" "$work/Evening.html" shot "$artifacts/evening_page.png" >/dev/null
check "Chromium renders a screenshot" yes "$([[ -s $artifacts/evening_page.png ]] && echo yes || echo no)"
"$here/render_page.sh" "$work/Evening.html" dom >"$work/dom.html"

count() { grep -o "$1" "$work/dom.html" | wc -l; }
standings=$(sed -n '/<table class="standings">/,/<\/table>/p' "$work/dom.html")
check "the standings have a row for each of the 12 players and a heading" 13 "$(grep -c '<tr>' <<<"$standings")"
check "names with <, & and quotes are shown as their text" 3 \
  "$(grep -c -e '<td>Ana &lt;3</td>' -e '<td>Bo &amp; Cy</td>' -e '<td>Dee "Ace"</td>' <<<"$standings")"
check "the tally has a row for each player of tonight and a heading" 13 \
  "$(sed -n '/<table class="tally">/,/<\/table>/p' "$work/dom.html" | grep -c '<tr>')"
check "tonight lists its 40 matches" 40 "$(sed -n '/<table class="matches">/,/<\/table>/p' "$work/dom.html" | grep -c '<tr><td>[0-9][0-9]:[0-9][0-9]</td>')"
check "the chart draws a line for each of the 12 players" 12 "$(count '<path class="series')"
check "the favourite's line is there" 1 "$(count 'The team the ratings favoured won [0-9]* of 3[0-9] matches (the chances expected [0-9]*\.[0-9])')"
check "the page holds no script" 0 "$(count '<script')"
exit "$failures"
