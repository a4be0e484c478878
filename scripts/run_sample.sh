#!/usr/bin/env bash
# Builds everything and runs the Windows randomiser under Wine on a virtual
# screen, on the bundled sample folder dist/, with the option words given:
#   scripts/run_sample.sh rating handicap
# It opens the tests' chat window, presses Ctrl+1 once the splash is gone,
# prints what was typed into the chat and saves a screenshot of the screen as
# build-win/e2e-artifacts/run_sample.png (taken while the splash shows, or
# the error box of a start-up failure, which it then closes).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install_deps.sh"
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" -j2 >/dev/null
cmake -S "$root" -B "$root/build-win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$root/build-win" -j2 >/dev/null

words=("$@")
source "$root/tests/e2e/e2e_lib.sh"
start_chat
start_randomiser "${words[@]}"
error_box_shown() { control_text Error 65535 >/dev/null 2>&1; }
started_or_refused() { randomiser_splash_shown || error_box_shown; }
wait_for 30 started_or_refused || echo "neither the splash nor an error box showed"
if error_box_shown; then
  # A start-up failure: the box with the run's debug lines, then OK.
  screenshot run_sample
  press Return
else
  wait_balloon
  screenshot run_sample
  wait_for 15 window_class_gone BRENLOW_SORTILANE
  focus_chat
  press ctrl+1
fi
wait_randomiser 60
echo "---- typed into the chat (exit code $randomiser_status):"
chat_text
echo "---- screenshot: $e2e_artifacts/run_sample.png"
if [[ -s debug.txt ]]; then
  echo "---- debug.txt:"
  tr -d '\r' <debug.txt
fi
