#!/usr/bin/env bash
# Builds the native preview and runs the randomiser's start-up on the bundled
# sample folder dist/ with the option words given, e.g.
#   scripts/run_sample.sh rating handicap
# Set SEED to reproduce a run (the seed the report prints).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install_deps.sh"
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" -j2 --target sortilane_preview >/dev/null
seed_args=()
[[ -n "${SEED:-}" ]] && seed_args=(--seed "$SEED")
exec "$root/build/tools/sortilane_preview" --dir "$root/dist" "${seed_args[@]}" -- "$@"
