#!/usr/bin/env bash
# Measures the Windows randomiser under Wine on the sample folder: the size of
# the released (stripped) .exe, the time from the loading of the .exe to the
# adding of its tray icon (the splash does not delay it), and the memory of
# the running process once it is resident. Needs the cross build in build-win.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# The ZIP is named by the version CMake sets: the newest one is this build's.
cmake --build "$root/build-win" -j2 --target package >/dev/null
release_zip=$(ls -t "$root"/build-win/Brenlow-*-win64.zip | head -n 1)
exe_bytes=$(unzip -l "$release_zip" Brenlow_Sortilane.exe | awk 'NR == 4 { print $1 }')

source "$root/tests/e2e/e2e_lib.sh"
start_chat  # the virtual desktop is up before the measured start
trace="$e2e_work/trace.txt"
WINEDEBUG=+timestamp,+systray,+loaddll wine Brenlow_Sortilane.exe rating 2>"$trace" &
e2e_pids+=($!)
randomiser_pid=$!
wait_for 30 grep -q 'Shell_NotifyIconW dwMessage = 0' "$trace" || echo "the tray icon was not added"
process=$(pgrep -f 'Brenlow_Sortilane.exe rating' | head -n 1)
rss_kb=$(awk '/^VmRSS/ { print $2 }' "/proc/$process/status")
private_kb=$(awk '/^Private_(Clean|Dirty)/ { sum += $2 } END { print sum }' "/proc/$process/smaps")
press Escape
wait_randomiser 10

loaded=$(grep -m1 'Loaded L".*Brenlow_Sortilane.exe"' "$trace" | cut -d: -f1)
tray=$(grep -m1 'Shell_NotifyIconW dwMessage = 0' "$trace" | cut -d: -f1)
echo "exe size (stripped, as released): $exe_bytes bytes"
echo "from .exe loaded to tray icon added: $(awk -v a="$loaded" -v b="$tray" 'BEGIN { printf "%.0f", (b - a) * 1000 }') ms"
echo "resident set after start: $rss_kb kB (private to the process: $private_kb kB)"
