#!/usr/bin/env bash
# The tests' own set-up on a machine so busy that Wine's explorer takes
# longer than the ten seconds a program waits for it: explorer is held
# stopped for 12 s from its start. The program that waited for it (a try of
# open_wine_desktop, or a program of Wine's own start) takes the desktop
# without a display driver, and the held explorer gives up once it goes on;
# a later try of open_wine_desktop starts another and gets the desktop, and
# the chat, started after it, shows its window.
e2e_desktop=later
source "$(dirname "$0")/e2e_lib.sh"

# The id of the explorer of this test's prefix, once it runs.
our_explorer() {
  local pid
  for pid in $(pgrep -f 'explorer.exe /desktop'); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid" && return 0
  done
  return 1
}
# Holds this prefix's first explorer stopped for 12 s as soon as it runs, and
# keeps its id in held_explorer.
hold_explorer() {
  local pid
  until pid=$(our_explorer); do pause 0.05; done
  echo "$pid" >"$e2e_work/held_explorer"
  kill -STOP "$pid"
  pause 12
  kill -CONT "$pid"
}
# Whether the process $1 has ended (a process that ended is a zombie until its
# parent has read its end).
process_gone() { [[ ! -e /proc/$1/stat || $(awk '{ print $3 }' "/proc/$1/stat") == Z ]]; }
hold_explorer &
e2e_pids+=($!)

open_wine_desktop
held=$(cat "$e2e_work/held_explorer" 2>/dev/null || true)
expect_equal "the explorer held past the ten seconds gives up: the desktop was taken without it" yes \
  "$([[ -n $held ]] && wait_for 15 process_gone "$held" && echo yes)"
start_chat && shown=yes || shown=no
expect_equal "the chat window shows once the desktop is open" yes "$shown"

e2e_finish
