#!/usr/bin/env python3
"""Writes the reference document that pandoc takes the styles of Guide.odt
from: pandoc's own default reference.odt with clearer headings, ruled tables
and shaded examples.

    make_reference.py OUT.odt
"""
import io
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
import zipfile

STYLE = "urn:oasis:names:tc:opendocument:xmlns:style:1.0"
FO = "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"

# Style name -> {properties kind -> {attribute: value}}; "fo:" attributes
# are formatting, "style:" ones are ODF's own; None removes an attribute.
CHANGES = {
    "Heading_20_1": {
        "paragraph": {"fo:margin-top": "0.3in", "fo:border-bottom": "1.5pt solid #2a6f97",
                      "fo:padding-bottom": "0.04in"},
        "text": {"fo:font-size": "20pt", "fo:color": "#1f4e6e"},
    },
    "Heading_20_2": {"text": {"fo:font-size": "15pt", "fo:font-style": "normal", "fo:color": "#1f4e6e",
                              "style:font-style-asian": "normal", "style:font-style-complex": "normal"}},
    "Heading_20_3": {"text": {"fo:font-size": "12.5pt", "fo:font-style": "normal",
                              "style:font-style-asian": "normal", "style:font-style-complex": "normal"}},
    # Code takes the size of the text around it, in headings too.
    "Source_Text": {"text": {"fo:font-size": None, "style:font-size-asian": None,
                             "style:font-size-complex": None}},
    "Preformatted_20_Text": {
        "paragraph": {"fo:background-color": "#f0f3f5", "fo:padding-left": "0.06in",
                      "fo:padding-right": "0.06in"},
        "text": {"fo:font-size": "9pt", "style:font-size-asian": "9pt", "style:font-size-complex": "9pt"},
    },
    "Table_20_Contents": {"paragraph": {"fo:border-bottom": "0.5pt solid #b8c4cc", "fo:padding-top": "0.03in",
                                        "fo:padding-bottom": "0.03in"}},
    "Table_20_Heading": {"paragraph": {"fo:background-color": "#e3eaef",
                                       "fo:border-bottom": "1pt solid #6f8796"}},
}
NAMESPACES = {"fo": FO, "style": STYLE}


def qualified(name):
    prefix, local = name.split(":")
    return "{%s}%s" % (NAMESPACES[prefix], local)


def restyle(styles_xml):
    # Keep the file's own prefixes when it is written back.
    for _, (prefix, uri) in ElementTree.iterparse(io.BytesIO(styles_xml), events=["start-ns"]):
        ElementTree.register_namespace(prefix, uri)
    root = ElementTree.fromstring(styles_xml)
    found = {}
    for style in root.iter("{%s}style" % STYLE):
        name = style.get("{%s}name" % STYLE)
        if name in CHANGES and name not in found:
            found[name] = style
    missing = sorted(set(CHANGES) - set(found))
    if missing:
        sys.exit("make_reference.py: pandoc's reference.odt has no style %s" % ", ".join(missing))
    for name, kinds in CHANGES.items():
        style = found[name]
        for kind in ("paragraph", "text"):
            if kind not in kinds:
                continue
            tag = "{%s}%s-properties" % (STYLE, kind)
            properties = style.find(tag)
            if properties is None:
                properties = ElementTree.Element(tag)
                # Paragraph properties come before text properties.
                style.insert(0 if kind == "paragraph" else len(style), properties)
            for attribute, value in kinds[kind].items():
                if value is None:
                    properties.attrib.pop(qualified(attribute), None)
                else:
                    properties.set(qualified(attribute), value)
    return ElementTree.tostring(root, xml_declaration=True, encoding="UTF-8")


def main():
    default = subprocess.run(["pandoc", "--print-default-data-file", "reference.odt"], check=True,
                             stdout=subprocess.PIPE).stdout
    with zipfile.ZipFile(io.BytesIO(default)) as source, zipfile.ZipFile(sys.argv[1], "w") as out:
        # The mimetype entry comes first and uncompressed, as ODF asks.
        out.writestr("mimetype", source.read("mimetype"), compress_type=zipfile.ZIP_STORED)
        for item in source.infolist():
            if item.filename == "mimetype":
                continue
            data = source.read(item.filename)
            if item.filename == "styles.xml":
                data = restyle(data)
            out.writestr(item.filename, data, compress_type=zipfile.ZIP_DEFLATED)


if __name__ == "__main__":
    main()
