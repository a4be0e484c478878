#!/usr/bin/env bash
# Runs every test: the native unit tests, the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, each fuzz target for a bounded time, the
# cross build of the Windows programs, the end-to-end tests under Wine (which
# also take the guide's screenshots), and the release ZIP with its checks:
# what it holds, the guide against the programs, the Windows preview against
# the native one. Each step says when it began; the steps that run beside
# others show their output once the end-to-end tests have ended.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=2
# The end-to-end tests spend most of their time waiting for windows and
# keystrokes under Wine, so more of them run side by side than there are cores.
e2e_jobs=${E2E_JOBS:-5}

# Each step's heading shows the seconds since the run began.
step() { printf '\n==== %s (at %d s)\n' "$*" "$SECONDS"; }

"$root/scripts/install_deps.sh"

step "the include order inside randomiser/ and the formatting of the product's C++"
"$root/scripts/check_style.sh"

# The end-to-end tests wait on the cross build and on the native preview they
# compare with, and they take the longest: those go first, and the Wine
# prefix that the tests copy is made beside them. Two chains run beside the
# cross build and the end-to-end tests, in the idle scheduling class: they
# get only the CPU time that the others leave, and the end-to-end tests,
# which mostly wait on Wine, leave much of it. (At nice 19 instead, the
# end-to-end tests took 40 s longer.) One builds the rest of the native tree
# and runs the native unit tests; the other makes the clang build with ASan
# + UBSan and runs the unit tests under it beside the fuzz targets. Each
# chain's output is shown once it has ended.
step "beside the next steps: the Wine prefix for the end-to-end tests"
mkdir -p "$root/build-win"
prefix_log=$(mktemp)
"$root/tests/e2e/base_prefix.sh" "$root/build-win" >"$prefix_log" 2>&1 &
prefix_pid=$!

# Every build compiles its files eight to a unit (CMake's unity build): what
# the files share, the standard library's headers and <windows.h> above all,
# is compiled once per unit. From a clean tree the native build took 76 s of
# a core instead of 132, the Windows build 88 instead of 162, the build with
# the sanitizers 58 instead of 88. (A developer's build compiles each file on
# its own, as CMake does unless told otherwise.) The native and the Windows
# builds leave out the debugging information (-g) of their build type: the
# release strips it, and it took a sixth of the Windows build's time.
no_debug_info=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG")
step "native build of the preview the end-to-end tests compare with"
cmake -S "$root" -B "$root/build" -DBRENLOW_WERROR=ON -DCMAKE_UNITY_BUILD=ON "${no_debug_info[@]}" >/dev/null
cmake --build "$root/build" -j"$jobs" --target sortilane_preview

native_unit_tests() {
  step "the rest of the native build, and the native unit tests"
  cmake --build "$root/build" -j"$jobs"
  (cd "$root/build" && ctest --output-on-failure -j"$jobs")
}

# Each fuzz target first runs its whole corpus, then explores for this time.
# In 15 s (on a busy machine) two targets reached the coverage they had after
# 30 s and two all but 1 and 7 edges; command_line and writer, the slowest,
# had 74 of 2157 and 5 of 588 edges fewer. In 10 s (on a quiet one) each
# reached that of 15 s but for 0 to 3 edges.
fuzz_seconds=${FUZZ_SECONDS:-10}
fuzz_work=$(mktemp -d)
trap 'rm -rf "$fuzz_work"' EXIT

# Runs one target on its corpus; says how many runs it made, or shows the
# end of its log and fails.
fuzz_target() {
  local target=$1 name
  name=$(basename "$target" _fuzz)
  mkdir -p "$fuzz_work/$name"
  local log="$fuzz_work/$name.log"
  if ! TMPDIR="$fuzz_work" "$target" -max_total_time="$fuzz_seconds" -max_len=4096 \
      -artifact_prefix="$fuzz_work/$name-" "$fuzz_work/$name" "$root/fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz target $name failed; the input that failed is kept in $root/build-sanitize/fuzz-failed"
    mkdir -p "$root/build-sanitize/fuzz-failed"
    cp "$fuzz_work/$name"-* "$root/build-sanitize/fuzz-failed/" 2>/dev/null || true
    return 1
  fi
  echo "-- $name: $(grep -E '^Done' "$log")"
}

# Runs every fuzz target, two at a time.
fuzz_targets() {
  local target failed=0 running=0
  for target in "$root"/build-sanitize/fuzz/*_fuzz; do
    if ((running == jobs)); then
      wait -n || failed=1
      running=$((running - 1))
    fi
    fuzz_target "$target" &
    running=$((running + 1))
  done
  while ((running > 0)); do
    wait -n || failed=1
    running=$((running - 1))
  done
  return "$failed"
}

# One clang build with ASan + UBSan serves the unit tests and the fuzz
# targets: the libraries are compiled once, with the fuzzer's coverage.
sanitized_tests_and_fuzz() {
  step "the clang build with ASan + UBSan"
  CXX=clang++ cmake -S "$root" -B "$root/build-sanitize" -DBRENLOW_WERROR=ON -DBRENLOW_SANITIZE=ON -DBRENLOW_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_UNITY_BUILD=ON >/dev/null
  cmake --build "$root/build-sanitize" -j"$jobs"
  step "unit tests under ASan + UBSan"
  (cd "$root/build-sanitize" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs")
  step "fuzz targets, ${fuzz_seconds} s each, ${jobs} at a time"
  fuzz_targets
}

# Starts the function $1 in the idle scheduling class, its output into a
# file; its id and file are in chain_pid and chain_log.
start_idle_chain() {
  chain_log=$(mktemp)
  (
    chrt --idle --pid 0 "$BASHPID"
    "$1"
  ) >"$chain_log" 2>&1 &
  chain_pid=$!
}

# Waits for the chain of id $1 and shows its output from the file $2; fails
# with the text $3 when the chain failed.
end_chain() {
  local status=0
  wait "$1" || status=$?
  cat "$2"
  rm -f "$2"
  ((status == 0)) || { echo "$3"; exit 1; }
}

step "beside the next steps: the native unit tests; the unit tests under ASan + UBSan and the fuzz targets"
start_idle_chain native_unit_tests
native_pid=$chain_pid native_log=$chain_log
start_idle_chain sanitized_tests_and_fuzz
sanitized_pid=$chain_pid sanitized_log=$chain_log

step "cross build of the Windows programs"
cmake -S "$root" -B "$root/build-win" -DBRENLOW_WERROR=ON -DCMAKE_UNITY_BUILD=ON "${no_debug_info[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DBRENLOW_NATIVE_BUILD="$root/build" >/dev/null
cmake --build "$root/build-win" -j"$jobs"

if ! wait "$prefix_pid"; then
  cat "$prefix_log"
  echo "the Wine prefix for the end-to-end tests could not be made"
  exit 1
fi
rm -f "$prefix_log"

step "end-to-end tests under Wine, ${e2e_jobs} at a time"
# The screenshots of earlier runs go first: the guide takes its pictures from
# this run's.
rm -rf "$root/build-win/e2e-artifacts"
e2e_status=0
(cd "$root/build-win" && ctest -L e2e -j"$e2e_jobs" --output-on-failure) || e2e_status=$?
if ((e2e_status != 0)); then
  # The chains still say what they found before the run fails.
  echo "end-to-end tests failed"
  end_chain "$native_pid" "$native_log" "the native build or its unit tests failed"
  end_chain "$sanitized_pid" "$sanitized_log" "the build with ASan + UBSan, its unit tests or a fuzz target failed"
  exit 1
fi

# The release checks need the native build's tools: the native chain ends
# first. The sanitized chain goes on beside the release checks.
end_chain "$native_pid" "$native_log" "the native build or its unit tests failed"

step "release ZIP: the programs, the preview, the guide and the working folder"
# The ZIP is named by the version CMake sets: found by pattern, after the
# ZIPs of earlier versions are removed.
rm -f "$root"/build-win/Brenlow-*-win64.zip
cmake --build "$root/build-win" --target package >/dev/null
release_zips=("$root"/build-win/Brenlow-*-win64.zip)
if ((${#release_zips[@]} != 1)) || [[ ! -f "${release_zips[0]}" ]]; then
  echo "the package target made no single Brenlow-*-win64.zip in build-win: ${release_zips[*]}"
  exit 1
fi
release_zip=${release_zips[0]}
zipped=$(unzip -Z1 "$release_zip" | grep -v '/$' | sort)
wanted=$({
  (cd "$root/dist" && find . -type f ! -name debug.txt ! -name data.txt ! -name '*.tmp' | sed 's|^\./||')
  printf '%s\n' Brenlow_Sortilane.exe Brenlow_Rostrix.exe sortilane_preview.exe Guide.odt Guide.html
} | sort)
if [[ "$zipped" != "$wanted" ]]; then
  diff <(echo "$wanted") <(echo "$zipped") || true
  echo "the release ZIP does not hold what it should (< wanted, > zipped)"
  exit 1
fi
echo "-- $(wc -l <<<"$zipped") files, both programs, sortilane_preview.exe and the guide among them"

step "release: the guide names every option word and hotkey, with this run's screenshots"
"$root/build/tools/guide_terms" >"$root/build/guide_terms.txt"
python3 "$root/tests/release/check_guide.py" "$release_zip" "$root/build/guide_terms.txt" \
  "$root/build-win/e2e-artifacts" \
  "$root/build-win/randomiser/shell/Brenlow_Sortilane.exe" "$root/build-win/editor/shell/Brenlow_Rostrix.exe"

step "release: sortilane_preview.exe under Wine prints what the native preview prints"
"$root/tests/release/preview_under_wine_test.sh" "$release_zip" "$root/build/tools/sortilane_preview" \
  "$root/build-win/e2e-prefix"

end_chain "$sanitized_pid" "$sanitized_log" "the build with ASan + UBSan, its unit tests or a fuzz target failed"

step "all tests passed"
