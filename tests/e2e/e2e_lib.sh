# Shared set-up of the end-to-end tests: a private Wine prefix and a copy of
# the sample working folder with the Windows programs beside it. Source it.
set -euo pipefail

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_win=${BRENLOW_BUILD_WIN:-$e2e_root/build-win}
e2e_work=$(mktemp -d)
export WINEPREFIX="$e2e_work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

e2e_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$e2e_work"
}
trap e2e_cleanup EXIT

wineboot -i >/dev/null 2>&1
mkdir -p "$e2e_work/game"
cp -r "$e2e_root/dist/." "$e2e_work/game/"
cp "$build_win"/randomiser/shell/Brenlow_Sortilane.exe "$e2e_work/game/"
cd "$e2e_work/game"

e2e_failures=0
expect_equal() {  # what, expected, actual
  if [[ "$2" == "$3" ]]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: expected [$2], got [$3]"
    e2e_failures=$((e2e_failures + 1))
  fi
}

e2e_finish() {
  [[ $e2e_failures -eq 0 ]] || { echo "$e2e_failures check(s) failed"; exit 1; }
}
