#!/usr/bin/env bash
# Builds everything and runs the Windows randomiser under Wine on a virtual
# screen, on the bundled sample folder dist/, with the option words given:
#   scripts/run_sample.sh rating handicap
# It opens the tests' chat window, presses Ctrl+1 once the splash is gone,
# prints what was typed into the chat and saves a screenshot of the screen as
# build-win/e2e-artifacts/run_sample.png (taken while the splash shows).
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
wait_for 30 splash_shown
sleep 3  # the balloon follows the tray icon after about two seconds
screenshot run_sample
wait_for 15 splash_hidden
focus_chat
press ctrl+1
wait_randomiser 60
echo "---- typed into the chat (exit code $randomiser_status):"
chat_text
echo "---- screenshot: $e2e_artifacts/run_sample.png"
if [[ -s debug.txt ]]; then
  echo "---- debug.txt:"
  tr -d '\r' <debug.txt
fi
