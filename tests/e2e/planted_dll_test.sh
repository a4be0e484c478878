#!/usr/bin/env bash
# Both programs run with administrator rights from a folder the user can
# write to. A system DLL they load on demand must come from the system folder
# even when a DLL of that name lies beside them: uxtheme.dll, which Wine's
# controls load once the first window is made, is planted and Wine's load
# trace tells where it came from. (Wine has no KnownDLLs: the DLLs that its
# own system DLLs import when the program is loaded, before its entry point
# runs, are still searched for beside the program, so only the on-demand case
# can be shown here. On Windows the KnownDLLs and their imports always come
# from the system folder, and the build checks that each program imports
# nothing else.)
source "$(dirname "$0")/e2e_lib.sh"

cp "$build_win/tests/e2e/planted.dll" uxtheme.dll

# Where the program's trace $1 loaded uxtheme.dll from.
uxtheme_source() {
  grep -o 'Loaded L"[^"]*uxtheme.dll"' "$1" | head -n 1 | sed 's/^Loaded L"//; s/"$//; s/\\\\/\\/g'
}

trace="$e2e_work/randomiser-trace.txt"
WINEDEBUG=+loaddll wine Brenlow_Sortilane.exe rating 2>"$trace" &
e2e_pids+=($!)
randomiser_pid=$!
wait_for 30 randomiser_splash_shown || echo "the splash did not show"
press ctrl+7
wait_for 10 control_text "$overlord_window" 261 || echo "the tooltip window did not show"
press Escape  # closes the tooltip window, the randomiser's own
tooltip_gone() { ! probe "$overlord_window" 261 >/dev/null; }
wait_for 10 tooltip_gone || echo "the tooltip window did not close"
quit_with_esc
wait_randomiser 10
expect_equal "the randomiser ends with 0" 0 "$randomiser_status"
expect_equal "the randomiser takes uxtheme.dll from the system folder" \
  'C:\windows\system32\uxtheme.dll' "$(uxtheme_source "$trace")"

trace="$e2e_work/editor-trace.txt"
WINEDEBUG=+loaddll wine Brenlow_Rostrix.exe 2>"$trace" &
e2e_pids+=($!)
editor_pid=$!
wait_editor_ready
quit_with_esc
wait_editor 10
expect_equal "the editor ends with 0" 0 "$editor_status"
expect_equal "the editor takes uxtheme.dll from the system folder" \
  'C:\windows\system32\uxtheme.dll' "$(uxtheme_source "$trace")"

e2e_finish
