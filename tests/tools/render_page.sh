#!/usr/bin/env bash
# Renders an HTML file with headless Chromium (Debian's chromium) in a new
# profile of its own, with nothing that reaches a network: to a screenshot
# (render_page.sh PAGE shot OUT.png) or its DOM on standard output
# (render_page.sh PAGE dom).
set -euo pipefail
page=$(realpath "$1")
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
browser=$(command -v chromium) || { echo "chromium is not installed (scripts/install_deps.sh installs it)" >&2; exit 1; }
case $2 in
  shot) what=(--screenshot="$(realpath -m "$3")") ;;
  dom) what=(--dump-dom) ;;
  *) echo "usage: render_page.sh PAGE shot OUT.png | PAGE dom" >&2; exit 2 ;;
esac
timeout 300 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$profile" --window-size=1000,1500 "${what[@]}" "file://$page" 2>"$profile/chromium.log" || {
  cat "$profile/chromium.log" >&2
  exit 1
}
