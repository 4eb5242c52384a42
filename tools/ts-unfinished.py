#!/usr/bin/env python3
"""List the texts of Qt translation files that still wait for a translation.

Usage: tools/ts-unfinished.py [--refresh] [Lang/PLU_zh_CN.ts ...]

Without files it checks every Lang/PLU_*.ts except the English one, whose sources are the texts
themselves. --refresh first runs lupdate over the sources, so that texts added since the last update
(for example by a merged branch) are listed too. Prints one line per text, "file: context: source",
and exits with 1 when any is unfinished, empty or lost its place markers (%1, %2, ...).
"""
import glob
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE_DIRS = ["core", "document", "table", "comm", "io", "editors", "hotkey", "app"]
PLACE = re.compile(r"%L?\d")


def refresh(files, root):
    subprocess.run(["lupdate", "-I", root, "-silent", "-locations", "none", "-no-obsolete"]
                   + [os.path.join(root, d) for d in SOURCE_DIRS if os.path.isdir(os.path.join(root, d))]
                   + ["-ts"] + files, check=True, stdout=subprocess.DEVNULL)


def problems(path):
    try:
        tree = ET.parse(path)
    except (OSError, ET.ParseError) as e:
        yield "cannot be read: %s" % e
        return
    for context in tree.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            translation = message.find("translation")
            kind = "unfinished" if translation is None else translation.get("type")
            if kind in ("vanished", "obsolete"):
                continue
            forms = [] if translation is None else (translation.findall("numerusform") or [translation])
            texts = [f.text or "" for f in forms]
            if kind == "unfinished" or not texts or not all(texts):
                yield "%s: %s" % (name, source)
            elif any(sorted(set(PLACE.findall(t))) != sorted(set(PLACE.findall(source))) for t in texts):
                yield "%s: %s (place markers differ)" % (name, source)


def main(argv):
    args = [a for a in argv if a != "--refresh"]
    root = os.environ.get("PLU_SOURCE_DIR", ROOT)
    files = args or sorted(f for f in glob.glob(os.path.join(root, "Lang", "PLU_*.ts"))
                           if not f.endswith("PLU_en_US.ts"))
    if not files:
        print("no translation files found", file=sys.stderr)
        return 2
    if "--refresh" in argv:
        refresh(files, root)
    count = 0
    for path in files:
        for line in problems(path):
            print("%s: %s" % (os.path.basename(path), line.replace("\n", "\\n")))
            count += 1
    if count:
        print("%d text(s) to translate" % count, file=sys.stderr)
    return 1 if count else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
