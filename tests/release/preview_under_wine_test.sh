#!/usr/bin/env bash
# sortilane_preview.exe of the release, run under Wine in the unpacked ZIP,
# prints byte for byte what the native preview prints for the same folder,
# seed and words: the report on standard output, the debug lines of a
# failure on standard error, and the same exit code, also for names in UTF-8.
#   preview_under_wine_test.sh ZIP NATIVE_PREVIEW WINE_PREFIX
set -euo pipefail
zip=$(realpath "$1")
native=$(realpath "$2")
base_prefix=$3
work=$(mktemp -d)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX="$work/prefix"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$base_prefix" "$WINEPREFIX"
unzip -q "$zip" -d "$work/release"

failures=0
# Runs both previews, each in its own copy of the unpacked release, with the
# given arguments and compares what they print and their exit codes.
compare() {
  rm -rf "$work/native" "$work/wine"
  cp -r "$work/release" "$work/native"
  cp -r "$work/release" "$work/wine"
  local native_status=0 wine_status=0
  (cd "$work/native" && "$native" "$@" >../native.out 2>../native.err) || native_status=$?
  (cd "$work/wine" && wine sortilane_preview.exe "$@" >../wine.out 2>../wine.err) || wine_status=$?
  if cmp -s "$work/native.out" "$work/wine.out" && cmp -s "$work/native.err" "$work/wine.err" &&
    [[ $native_status == "$wine_status" ]]; then
    echo "ok: the same $(wc -l <"$work/native.out") lines and exit code $native_status for: $*"
  else
    echo "FAILED: sortilane_preview.exe differs from the native preview for: $*"
    diff "$work/native.out" "$work/wine.out" || true
    diff "$work/native.err" "$work/wine.err" || true
    echo "exit codes: native $native_status, Wine $wine_status"
    failures=$((failures + 1))
  fi
}

compare --seed 1412622073 -- rating handicap
compare --seed 7 -- rating single_tier 3 reshape 1 reflective 1 0 1
compare --seed -5 -- omit_civs
compare --seed 99 -- rating validate
compare --seed 3 -- rating handicaps
# A word of other scripts reaches the Windows preview whole: the seed of
# seed_word is the same.
compare --draw 2 -- rating seed_word 'Влад 李雷'
# Names of other scripts, from a UTF-8 PlayerData.txt, come out as the same
# UTF-8 bytes.
printf '%s' "player_num {4} team_num {2} player_name { 'José' 'Влад' '李雷' 'Zoë' } " \
  "player_rating { 1500 1420 1600 1700 } player_fmt_group { 0 0 0 0 }" >"$work/release/PlayerData.txt"
compare --seed 11 -- rating fair_teams
[[ $failures -eq 0 ]]
