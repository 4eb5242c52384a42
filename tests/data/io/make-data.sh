#!/usr/bin/env bash
# Makes the test workbooks once; they are committed, this documents how. Needs LibreOffice
# (libreoffice-calc-nogui) and python3.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert() { soffice --headless -env:UserInstallation=file://$work/profile --convert-to "$1" --outdir "$work" "$2" >/dev/null 2>&1; }

# The reader cases: texts (one in rich-text runs), a number, a formula of each kind, a date, an
# empty column, equal neighbours (repeated cells in .ods), a second sheet that must not be read.
for f in xlsx xls ods; do
    convert "$f" sources/sample.fods
    cp "$work/sample.$f" "sample.$f"
done
# PLU rows below a title row, in the order of the table's columns.
convert "xlsx" sources/plu.csv
cp "$work/plu.xlsx" plu.xlsx
# Inline strings, a truth value, an error and an ISO date: no LibreOffice file has them, so this
# one is zipped from hand-written parts.
python3 - <<'PY'
import os, zipfile
with zipfile.ZipFile("inline-strings.xlsx", "w", zipfile.ZIP_DEFLATED) as z:
    for root, _, files in os.walk("sources/inline"):
        for name in sorted(files):
            path = os.path.join(root, name)
            z.write(path, os.path.relpath(path, "sources/inline"))
PY
# A workbook cut short, as by a broken download.
head -c 3000 sample.xlsx > damaged.xlsx
# "Export to Excel" as the program writes it (a tab after every field, LF ends), with a line of
# notes among the rows.
{
    printf 'Hotkey\tPLU name\tLF Code\tCode\tBarcode type\tUnit Price\tWeight unit\tQuantity type\tDepartment\tTare\tShelf time\tPackage type\tPackage Weight\tTolerance (%%)\tMessage 1\tMessage 2\tLabel\tDiscount/Schedule\tNutrition\t\n'
    printf '1\tApples\t101\t1001\t2\t3.49\t4\t0\t1\t0.010\t5\t0\t0.250\t2\t1\t0\t1\t0\t0\t\n'
    printf 'checked by Anna\t\n'
    printf '2\tPears\t102\t007\t2\t2.99\t1\t0\t1\t5\t7\t1\t500\t0\t3\t0\t0\t129\t1\t\n'
} > export.xls
