#!/bin/bash
# Every text of every form and tr() call has a translation: lupdate is run from the current sources into
# copies of the translation files, so a text added without translating it shows up as unfinished.
set -euo pipefail
src=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
files=()
for ts in "$src"/Lang/PLU_*.ts; do
    [[ $ts == *PLU_en_US.ts ]] && continue
    cp "$ts" "$tmp/"
    files+=("$tmp/$(basename "$ts")")
done
[[ ${#files[@]} -gt 0 ]] || { echo "no translation besides English in $src/Lang"; exit 1; }
PLU_SOURCE_DIR=$src python3 "$src/tools/ts-unfinished.py" --refresh "${files[@]}"
