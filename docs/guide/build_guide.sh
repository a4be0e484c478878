#!/usr/bin/env bash
# Makes Guide.odt and Guide.html in OUT from the Markdown files of this folder
# (in the order of their names) with pandoc. The pictures come from PICTURES:
# the screenshots that the end-to-end tests take of the current build
# (guide_*.png in build-win/e2e-artifacts).
#   build_guide.sh PICTURES OUT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
pictures=$1
out=$2
sources=("$here"/[0-9][0-9]_*.md)

missing=()
for picture in $(grep -oh '!\[[^]]*\]([^)]*)' "${sources[@]}" | sed 's/.*(\(.*\))$/\1/' | sort -u); do
  [[ -f "$pictures/$picture" ]] || missing+=("$picture")
done
if ((${#missing[@]} > 0)); then
  echo "build_guide.sh: $pictures lacks ${missing[*]}; the end-to-end tests of this build take them" \
    "(scripts/run_tests.sh runs them before it makes the release)" >&2
  exit 1
fi

mkdir -p "$out"
python3 "$here/make_reference.py" "$out/reference.odt"
pandoc --from=markdown --resource-path="$pictures" --reference-doc="$out/reference.odt" \
  --output="$out/Guide.odt" "${sources[@]}"
pandoc --from=markdown --resource-path="$pictures" --standalone --self-contained --toc \
  --css="$here/guide.css" --output="$out/Guide.html" "${sources[@]}"
