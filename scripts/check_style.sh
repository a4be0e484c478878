#!/usr/bin/env bash
# Checks what the tree promises of its shape and that no test would notice:
# - inside randomiser/, a folder includes only itself and the folders before
#   it in the order state, allocation, output, commands, startup, shell;
# - the product's C++ (everything but tests/, fuzz/ and bench/) is formatted
#   as .clang-format says.
# Names every file that breaks a rule and fails; quiet when all is well.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

order=(state allocation output commands startup shell)
rank() {
  local i
  for i in "${!order[@]}"; do [[ ${order[$i]} == "$1" ]] && { echo "$i"; return; }; done
  echo 99
}

while IFS=: read -r file line text; do
  from=$(cut -d/ -f2 <<<"$file")
  to=$(sed -E 's|.*"randomiser/([a-z_]+)/.*|\1|' <<<"$text")
  if (($(rank "$to") > $(rank "$from"))); then
    echo "$file:$line: randomiser/$from/ includes randomiser/$to/, which comes after it (order: ${order[*]})"
    status=1
  fi
done < <(git grep -n -E '^#include "randomiser/' -- 'randomiser/*.cpp' 'randomiser/*.h')

unformatted=$(git ls-files '*.cpp' '*.h' | grep -v -E '^(tests|fuzz|bench)/' |
  xargs clang-format --dry-run 2>&1 | grep -E '^[^:]+:[0-9]+:[0-9]+: (warning|error):' | cut -d: -f1 | sort -u || true)
for file in $unformatted; do
  echo "$file: not formatted as .clang-format says (clang-format -i $file)"
  status=1
done
exit "$status"
