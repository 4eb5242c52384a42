#!/usr/bin/env bash
# Makes the test workbooks once; they are committed, this documents how. Needs LibreOffice
# (libreoffice-calc-nogui), Gnumeric's ssconvert (gnumeric), node with npm, and python3.
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
# The import's checks: a caption row, then rows each with one fault of a sheet kept by hand
# (text for a number, a date, too many decimals, a negative price, a code with leading zeros, a
# row without a name, an LF code twice) around an empty row and good rows. LibreOffice reads the
# source; Gnumeric writes the workbooks (a mini-stream-free .xls, .xlsx, .ods).
convert ods sources/checks.fods
cp "$work/checks.ods" checks-calc.ods
for f in xls xlsx ods; do
    ssconvert "$work/checks.ods" "checks.$f" >/dev/null 2>&1
done
# The daily price update: LF codes with new prices, one the shop does not have. Written by SheetJS
# as a small .xls whose workbook stream (under 4096 bytes) lives in the container's mini stream.
npm install --silent --prefix "$work/sheetjs" xlsx@0.18.5 >/dev/null 2>&1
NODE_PATH="$work/sheetjs/node_modules" node - <<'JS'
const XLSX = require("xlsx");
const fs = require("fs");
const rows = fs.readFileSync("sources/prices.csv", "utf8").trim().split("\n").map((line, i) =>
    line.split(",").map(v => (i > 0 && /^-?\d+(\.\d+)?$/.test(v) ? Number(v) : v)));
const book = XLSX.utils.book_new();
XLSX.utils.book_append_sheet(book, XLSX.utils.aoa_to_sheet(rows), "Prices");
XLSX.writeFile(book, "prices-small.xls", { bookType: "biff8" });
JS
