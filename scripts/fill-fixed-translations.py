#!/usr/bin/env python3
"""Fills the translations that need no translator, in qml/view/languages/lang_*.ts.

- Names of this system (brands, products, relay terminals, system modes) read the same in every
  language: in every file they are finished, with the source as the translation.
- English is the source language: lang_en_en.ts gets every text the sources have (lupdate finds
  them), finished, with the source as the translation. Keys such as "plural_Mondays" keep the
  English words they have; a key without them is reported, not filled.

Only those messages are touched; the rest of each file stays byte for byte as it is. Run it from
the repository root after the files have been merged or updated:

    python3 scripts/fill-fixed-translations.py [--lupdate /usr/lib/qt6/bin/lupdate]
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

LANGUAGES_DIR = os.path.join("qml", "view", "languages")
ENGLISH_FILE = "lang_en_en.ts"

FIXED_NAMES = {
    # brands
    "Vaho", "Lumo", "Orvela", "Kastela",
    # control panels and the products of the About screen
    "Crest Wifi", "Zenith Wifi", "K9", "Vertex", "Fell Wifi", "Crest", "Zenith", "Fell",
    "Tarn", "Glen", "Q7",
    # system modes
    "Multisteam", "Solvenno",
    # software components of the licence screen
    "Qt", "Protocol Buffers", "TCLAP",
}
RELAY_TERMINAL = re.compile(r"X\d+-X\d+")
KEY = re.compile(r"(plural_|long_form_|short_form_|degrees_|keyboardRow)\S*")

CONTEXT = re.compile(r"<context>\n.*?</context>\n", re.S)
NAME = re.compile(r"<name>(.*?)</name>", re.S)
MESSAGE = re.compile(r"    <message(?P<attributes>[^>]*)>\n.*?</message>\n", re.S)
SOURCE = re.compile(r"<source>(.*?)</source>", re.S)
COMMENT = re.compile(r"<comment>(.*?)</comment>", re.S)
TRANSLATION = re.compile(r"<translation(?P<type>[^>]*?)(?:/>|>(?P<text>.*?)</translation>)", re.S)


def unescape(text):
    for entity, char in (("&lt;", "<"), ("&gt;", ">"), ("&quot;", '"'), ("&apos;", "'")):
        text = text.replace(entity, char)
    return text.replace("&amp;", "&")


def is_fixed(source):
    return source in FIXED_NAMES or RELAY_TERMINAL.fullmatch(source) is not None


class Message:
    def __init__(self, block):
        self.block = block
        self.raw_source = SOURCE.search(block).group(1)
        self.source = unescape(self.raw_source)
        comment = COMMENT.search(block)
        self.comment = unescape(comment.group(1)) if comment else ""
        self.numerus = 'numerus="yes"' in MESSAGE.match(block).group("attributes")
        translation = TRANSLATION.search(block)
        self.raw_translation = (translation.group("text") or "") if translation else ""
        self.finished = translation is not None and "type=" not in translation.group("type")

    def key(self, context):
        return (context, self.source, self.comment)

    def as_source(self):
        """The block with the source as the finished translation."""
        translation = "<translation>%s</translation>" % self.raw_source
        if TRANSLATION.search(self.block):
            return TRANSLATION.sub(lambda _: translation, self.block, count=1)
        return self.block.replace("</message>", "    %s\n    </message>" % translation)


def parse(text):
    """[(context name, context text, [Message])] and the text before and after the contexts."""
    contexts = []
    matches = list(CONTEXT.finditer(text))
    if not matches:
        raise ValueError("no contexts")
    for match in matches:
        body = match.group(0)
        name = unescape(NAME.search(body).group(1))
        contexts.append((name, body, [Message(m.group(0)) for m in MESSAGE.finditer(body)]))
    return text[: matches[0].start()], contexts, text[matches[-1].end():]


def found_in_sources(lupdate, root):
    """The messages lupdate finds in source/ and qml/, by key, with their context order."""
    with tempfile.TemporaryDirectory() as directory:
        output = os.path.join(directory, "found.ts")
        subprocess.run([lupdate, "source", "qml", "-I", "source", "-extensions", "h,cpp,qml,js",
                        "-locations", "none", "-no-obsolete", "-silent", "-ts", output],
                       cwd=root, check=True, stdout=subprocess.DEVNULL)
        with open(output, encoding="utf-8") as file:
            _, contexts, _ = parse(file.read())
    found = {}
    for name, _, messages in contexts:
        for message in messages:
            found[message.key(name)] = (name, message)
    return found


def fill(path, found, english):
    with open(path, encoding="utf-8") as file:
        text = file.read()
    head, contexts, tail = parse(text)
    changed = []
    unfilled = []
    present = set()
    out = [head]
    for name, body, messages in contexts:
        new_body = body
        for message in messages:
            present.add(message.key(name))
            if message.numerus:
                continue
            done = message.finished and bool(message.raw_translation)
            if is_fixed(message.source):
                if done and message.raw_translation == message.raw_source:
                    continue
            elif not english or done:
                continue  # for a translator, or an English text of its own
            elif KEY.fullmatch(message.source):
                unfilled.append((name, message.source))
                continue
            new_body = new_body.replace(message.block, message.as_source(), 1)
            changed.append((name, message.source))
        # Texts the sources have and this file lacks, at the end of their context.
        for key, (context, message) in found.items():
            if context == name and key not in present and not message.numerus and (
                    english or is_fixed(message.source)):
                if KEY.fullmatch(message.source):
                    unfilled.append((name, message.source))
                    continue
                new_body = new_body.replace("</context>\n", message.as_source() + "</context>\n")
                present.add(key)
                changed.append((name, message.source))
        out.append(new_body)
    # Contexts the file has not got at all, in the order of the sources.
    missing = {}
    for key, (context, message) in found.items():
        if key in present or message.numerus or not (english or is_fixed(message.source)):
            continue
        if KEY.fullmatch(message.source):
            unfilled.append((context, message.source))
            continue
        missing.setdefault(context, []).append(message)
    for context, messages in missing.items():
        out.append("<context>\n    <name>%s</name>\n%s</context>\n" % (
            escaped_name(context), "".join(m.as_source() for m in messages)))
        changed.extend((context, m.source) for m in messages)
    out.append(tail)
    new_text = "".join(out)
    if new_text != text:
        with open(path, "w", encoding="utf-8") as file:
            file.write(new_text)
    return changed, unfilled


def escaped_name(name):
    return name.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--lupdate", default=shutil.which("lupdate") or "/usr/lib/qt6/bin/lupdate")
    parser.add_argument("--root", default=os.getcwd(), help="repository root")
    arguments = parser.parse_args()

    found = found_in_sources(arguments.lupdate, arguments.root)
    directory = os.path.join(arguments.root, LANGUAGES_DIR)
    status = 0
    for name in sorted(os.listdir(directory)):
        if not (name.startswith("lang_") and name.endswith(".ts")):
            continue
        changed, unfilled = fill(os.path.join(directory, name), found, name == ENGLISH_FILE)
        print("%s: %d messages filled" % (name, len(changed)))
        for context, source in unfilled:
            print("  %s: key \"%s\" in %s has no English text" % (name, source, context),
                  file=sys.stderr)
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
