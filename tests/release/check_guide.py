#!/usr/bin/env python3
"""Checks the guide of the release ZIP against the programs.

    check_guide.py ZIP TERMS PICTURES PROGRAM...

TERMS is what tools/guide_terms prints: "option WORD" for every option word
of the randomiser's parser and "hotkey PROGRAM KEY" for every key of both
programs. The text of Guide.odt (its content.xml) must name every option word
as a word of its own, and every hotkey of a program inside the guide's
section "Hotkeys of PROGRAM". Every picture of Guide.odt and Guide.html must
be one of the screenshots in PICTURES (guide_*.png, taken by the end-to-end
tests), and each of those must be newer than every PROGRAM: made by the
current build, not kept from an older one.
"""
import base64
import os
import re
import sys
import xml.etree.ElementTree as ElementTree
import zipfile

TEXT = "urn:oasis:names:tc:opendocument:xmlns:text:1.0"
HEADING = "{%s}h" % TEXT
LEVEL = "{%s}outline-level" % TEXT


def text_of(element):
    return "".join(element.itertext())


def sections(body):
    """(heading text, heading level, text of everything up to the next
    heading of the same or a higher level) for every heading."""
    parts = list(body)
    found = []
    for i, part in enumerate(parts):
        if part.tag != HEADING:
            continue
        level = int(part.get(LEVEL, "1"))
        text = []
        for later in parts[i + 1:]:
            if later.tag == HEADING and int(later.get(LEVEL, "1")) <= level:
                break
            text.append(text_of(later))
        found.append((text_of(part), level, "\n".join(text)))
    return found


def has_word(text, word):
    return re.search(r"(?<![\w+])%s(?![\w+])" % re.escape(word), text) is not None


def main():
    zip_path, terms_path, pictures_dir = sys.argv[1:4]
    programs = sys.argv[4:]
    faults = []
    with zipfile.ZipFile(zip_path) as release:
        odt_bytes = release.read("Guide.odt")
        html = release.read("Guide.html").decode("utf-8")
    odt_path = zip_path + ".Guide.odt"
    with open(odt_path, "wb") as odt_file:
        odt_file.write(odt_bytes)
    with zipfile.ZipFile(odt_path) as odt:
        content = ElementTree.fromstring(odt.read("content.xml"))
        odt_pictures = {name: odt.read(name) for name in odt.namelist() if name.startswith("Pictures/")}
    os.remove(odt_path)
    body = content.find("{urn:oasis:names:tc:opendocument:xmlns:office:1.0}body")
    whole_text = text_of(body)
    all_sections = sections(body.find("{urn:oasis:names:tc:opendocument:xmlns:office:1.0}text"))

    options = hotkeys = 0
    for line in open(terms_path, encoding="utf-8"):
        fields = line.split()
        if fields[0] == "option":
            options += 1
            if not has_word(whole_text, fields[1]):
                faults.append("the guide does not name the option word %s" % fields[1])
        elif fields[0] == "hotkey":
            hotkeys += 1
            program, key = fields[1], fields[2]
            texts = [text for title, _, text in all_sections if title == "Hotkeys of " + program]
            if not texts:
                faults.append("the guide has no section \"Hotkeys of %s\"" % program)
            elif not has_word(texts[0], key):
                faults.append("the section \"Hotkeys of %s\" does not name %s" % (program, key))
    if options == 0 or hotkeys == 0:
        faults.append("%s lists no option words or no hotkeys" % terms_path)

    screenshots = {}
    for name in sorted(os.listdir(pictures_dir)):
        if name.startswith("guide_") and name.endswith(".png"):
            with open(os.path.join(pictures_dir, name), "rb") as picture:
                screenshots[picture.read()] = name
    newest_program = max(os.path.getmtime(program) for program in programs)
    for data, name in screenshots.items():
        if os.path.getmtime(os.path.join(pictures_dir, name)) < newest_program:
            faults.append("%s is older than the programs of this build" % name)
    html_pictures = [base64.b64decode(data) for data in re.findall(r'src="data:image/png;base64,([^"]+)"', html)]
    if not odt_pictures or not html_pictures:
        faults.append("the guide holds no pictures")
    for name, data in odt_pictures.items():
        if data not in screenshots:
            faults.append("Guide.odt's %s is no screenshot of this run" % name)
    for i, data in enumerate(html_pictures):
        if data not in screenshots:
            faults.append("picture %d of Guide.html is no screenshot of this run" % (i + 1))

    for fault in faults:
        print("FAILED:", fault)
    if faults:
        return 1
    print("-- the guide names %d option words and %d hotkeys; its %d pictures are this run's screenshots"
          % (options, hotkeys, len(odt_pictures)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
