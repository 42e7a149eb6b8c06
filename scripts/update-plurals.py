#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Brings resources/translations/sweepwright_en.ts up to date with the sources.

Every text with a count is written once, with "(s)" where English changes
("%n item(s) deleted"); the English file holds its two forms ("1 item
deleted", "2 items deleted"). lupdate -pluralonly lists the texts; the forms
of a new one are filled in here from its "(s)" (and "(s) were" reads "was"
once), or, without one, from the plural noun right after the count
("%n copies" -> "%n copy"). What cannot be filled is named; write its forms
in the file by hand. Run from anywhere; needs lupdate (qt6-l10n-tools).
"""
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TS = os.path.join(ROOT, "resources", "translations", "sweepwright_en.ts")
LUPDATE = os.environ.get("LUPDATE", "/usr/lib/qt6/bin/lupdate")

UNFINISHED = re.compile(
    r'(<message numerus="yes">\s*<source>)([^<]*)(</source>\s*(?:<(?:extra)?comment>[^<]*</(?:extra)?comment>\s*)*)'
    r'<translation type="unfinished">\s*<numerusform></numerusform>\s*<numerusform></numerusform>\s*</translation>',
    re.S)


def forms(source):
    if "(s)" in source:
        one = source.replace("(s) were", "(s) was").replace("(s)", "")
        return one, source.replace("(s)", "s")
    match = re.search(r"%L?n (\w+)", source)
    if not match:
        return None
    word = match.group(1)
    if word.endswith("ies"):
        single = word[:-3] + "y"
    elif word.endswith("s"):
        single = word[:-1]
    else:
        return None
    return source[:match.start(1)] + single + source[match.end(1):], source


def main():
    subprocess.run([LUPDATE, os.path.join(ROOT, "src"), "-extensions", "cpp,h", "-pluralonly", "-no-obsolete",
                    "-locations", "none", "-source-language", "en", "-target-language", "en", "-ts", TS],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(TS, encoding="utf-8") as f:
        text = f.read()
    missing = []

    def fill(match):
        found = forms(match.group(2))
        if not found:
            missing.append(match.group(2))
            return match.group(0)
        indent = "\n            "
        return (match.group(1) + match.group(2) + match.group(3) + "<translation>" + indent + "<numerusform>"
                + found[0] + "</numerusform>" + indent + "<numerusform>" + found[1] + "</numerusform>"
                + "\n        </translation>")

    text = UNFINISHED.sub(fill, text)
    with open(TS, "w", encoding="utf-8") as f:
        f.write(text)
    for source in missing:
        print("no English forms for: " + source, file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
