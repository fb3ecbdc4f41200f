#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a pseudo-translation of a Qt Linguist file: every text accented and about a third longer,
between the marks ⟦ and ⟧, so that a window shows at a glance (and a test finds) any string that did
not go through translation, and any text that no longer fits its box.

    pseudo_ts.py IN.ts OUT.ts

Placeholders (%1, %n, %L1), accelerator marks (&, &&), tags (<b>), file-dialog patterns ((*.pdf)) and the
";;" between filters are kept as they are, so the pseudo-language works like a real one.
"""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
                    "àƀçđéƒĝĥîĵķĺɱñöþǫŕšţûṽŵẋýžÀƁÇĐÉƑĜĤÎĴĶĹṀÑÖÞǪŔŠŢÛṼŴẊÝŽ"))
KEPT = re.compile(r"%L?\d+|%n|&&|&(?=\S)|<[^>]*>|\(\*[^)]*\)|;;|\[\*\]")


def pseudo(text: str) -> str:
    out, pos, letters = [], 0, 0
    for m in KEPT.finditer(text):
        chunk = text[pos:m.start()]
        letters += sum(c.isalpha() for c in chunk)
        out.append("".join(ACCENTED.get(c, c) for c in chunk))
        out.append(m.group(0))
        pos = m.end()
    chunk = text[pos:]
    letters += sum(c.isalpha() for c in chunk)
    out.append("".join(ACCENTED.get(c, c) for c in chunk))
    body = "".join(out)
    # A third longer, at least two characters, as longer languages are.
    padding = "·" * max(2, (letters + 2) // 3)
    # A file-dialog filter must end with its patterns: the closing mark goes before them.
    last = re.search(r" \(\*[^)]*\)$", body)
    if last:
        return "⟦" + body[:last.start()] + padding + "⟧" + body[last.start():]
    return "⟦" + body + padding + "⟧"


def main(source: str, target: str) -> None:
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en")
    root.attrib.pop("sourcelanguage", None)
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        for child in list(translation):
            translation.remove(child)
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(text)
        else:
            translation.text = pseudo(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
