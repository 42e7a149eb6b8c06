#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Works on one language's .ts file without a Qt Linguist window.

  ts-tool.py export LANG [--all]   the unfinished texts (or all) as JSON on stdout:
                                   [{"context", "source", "comment", "forms"}],
                                   "forms" = how many plural forms the language needs
                                   (0 for a text without a count)
  ts-tool.py fill LANG FILE.json   writes translations: {"source": "text", ...} or
                                   {"context|source": "text"} for one context only;
                                   a text with a count takes a list of its forms.
                                   Filled texts are marked finished.
  ts-tool.py check LANG            names unfinished texts and translations whose
                                   placeholders (%1, %L1, %n, %Ln) or mnemonics (&)
                                   differ from the source; exit status 1 if any.

LANG is the file's suffix: de, fr, pt_BR, zh_CN, ... The files are those of
resources/translations, or of the folder TS_DIR names.
"""
import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LCONVERT = os.environ.get("LCONVERT", "/usr/lib/qt6/bin/lconvert")
PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")
MNEMONIC = re.compile(r"&(?=[^&\s])")


def ts_path(lang):
    # TS_DIR works on copies elsewhere (a translator's own folder).
    folder = os.environ.get("TS_DIR", os.path.join(ROOT, "resources", "translations"))
    return os.path.join(folder, "sweepwright_%s.ts" % lang)


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def is_unfinished(translation):
    if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
        return True
    forms = translation.findall("numerusform")
    texts = [f.text or "" for f in forms] if forms else [translation.text or ""]
    return any(not t for t in texts)


def export(lang, everything):
    tree = ET.parse(ts_path(lang))
    out = []
    for context, message in messages(tree):
        translation = message.find("translation")
        if not everything and not is_unfinished(translation):
            continue
        forms = len(translation.findall("numerusform")) if message.get("numerus") == "yes" else 0
        entry = {"context": context, "source": message.findtext("source"), "forms": forms}
        comment = message.findtext("comment") or message.findtext("extracomment")
        if comment:
            entry["comment"] = comment
        if everything and translation is not None:
            found = [f.text or "" for f in translation.findall("numerusform")]
            entry["translation"] = found if forms else (translation.text or "")
        out.append(entry)
    json.dump(out, sys.stdout, ensure_ascii=False, indent=1)
    sys.stdout.write("\n")


def write(tree, path):
    body = ET.tostring(tree.getroot(), encoding="unicode")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n")
    # lconvert writes the file the way lupdate does, so a diff shows only what changed.
    subprocess.run([LCONVERT, "-locations", "none", "-i", path, "-o", path], check=True)


def fill(lang, json_path):
    with open(json_path, encoding="utf-8") as f:
        given = json.load(f)
    path = ts_path(lang)
    tree = ET.parse(path)
    filled, problems = 0, []
    for context, message in messages(tree):
        source = message.findtext("source")
        value = given.get(context + "|" + source, given.get(source))
        if value is None:
            continue
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        if message.get("numerus") == "yes":
            forms = translation.findall("numerusform")
            values = value if isinstance(value, list) else [value]
            if len(values) != len(forms):
                problems.append("%s|%s: %d forms needed, %d given" % (context, source, len(forms), len(values)))
                continue
            for form, text in zip(forms, values):
                form.text = text
        else:
            if isinstance(value, list):
                problems.append("%s|%s: a text without a count takes one string" % (context, source))
                continue
            translation.text = value
        translation.attrib.pop("type", None)
        filled += 1
    write(tree, path)
    for problem in problems:
        print(problem, file=sys.stderr)
    print("%d texts filled" % filled)
    return 1 if problems else 0


def check(lang):
    tree = ET.parse(ts_path(lang))
    faults = []
    for context, message in messages(tree):
        source = message.findtext("source")
        translation = message.find("translation")
        where = "%s|%s" % (context, source)
        if is_unfinished(translation):
            faults.append("unfinished: " + where)
            continue
        forms = translation.findall("numerusform")
        texts = [f.text or "" for f in forms] if forms else [translation.text or ""]
        wanted = sorted(set(PLACEHOLDER.findall(source)))
        for text in texts:
            found = sorted(set(PLACEHOLDER.findall(text)))
            if found != wanted:
                faults.append("placeholders %s instead of %s: %s -> %s" % (found, wanted, where, text))
            if len(MNEMONIC.findall(source)) != len(MNEMONIC.findall(text)):
                faults.append("mnemonic (&) differs: %s -> %s" % (where, text))
    for fault in faults:
        print(fault)
    print("%s: %d faults" % (lang, len(faults)), file=sys.stderr)
    return 1 if faults else 0


def main(argv):
    if len(argv) < 3 or argv[1] not in ("export", "fill", "check"):
        print(__doc__, file=sys.stderr)
        return 2
    if argv[1] == "export":
        export(argv[2], "--all" in argv[3:])
        return 0
    if argv[1] == "fill":
        return fill(argv[2], argv[3])
    return check(argv[2])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
