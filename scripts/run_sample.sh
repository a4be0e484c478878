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
sleep 4.6
screenshot run_sample
sleep 1.5
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
