#!/usr/bin/env bash
# Makes the Wine prefix the end-to-end tests copy, once per build (under a
# lock, so that tests running side by side, and the test run that makes it
# ahead of them, share it), and prints its path. Its programs run in one
# 1024x768 virtual desktop, with a fixed-pitch font for "Courier New".
# Usage: base_prefix.sh BUILD_WIN
set -euo pipefail
base="$1/e2e-prefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
(
  flock 9
  if [[ ! -f "$base/.ready" ]]; then
    rm -rf "$base"
    export WINEPREFIX="$base"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    # The editor's live display lines up its table in "Courier New".
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'DejaVu Sans Mono' /f >/dev/null 2>&1
    wineserver -w
    touch "$base/.ready"
  fi
) 9>"$1/e2e-prefix.lock"
echo "$base"
