#!/usr/bin/env python3
"""Writes the on-screen keyboard's key caps into every language's translation file.

The keyboard has five rows of 10, 18, 10, 9 and 7 keys. Each key has four texts: letters
(caps off, caps on) and the number page (shift off, shift on). The texts are translations of
"keyboardRow<r>Pos<p>Caps<True_|False>Symbol<True_|False>" in the context
"view::details::KeyboardTranslations".

    row 1  digits
    row 2  the language's own letters, then punctuation
    row 3  top letter row        (q w e r t y u i o p, q w e r t z u i o p, a z e r t y u i o p, ...)
    row 4  middle letter row
    row 5  bottom letter row

On the number page rows 2 to 5 hold symbols and row 1 the digits; with shift, row 1 holds the
symbols above the digits. No key shows "_": the keyboard shows that for a key without a text.

Run from the repository root: python3 scripts/keyboard_layouts.py
The script replaces the keyboard context of each qml/view/languages/lang_*.ts file (or appends
it) and leaves every other text of the file as it is.
"""

import re
import sys
from pathlib import Path
from xml.sax.saxutils import escape

CONTEXT = "view::details::KeyboardTranslations"
ROW_LENGTHS = [10, 18, 10, 9, 7]

DIGITS = list("1234567890")
SHIFTED_DIGITS = list("!@#$%^&*()")
PUNCTUATION = list("-.,'!?&():/+@#%\";*")
SYMBOLS = {
    2: list("€$£¥°§~|\\^´¨µ¿¡«»¤"),
    3: list("-/:;()&@\"'"),
    4: list(".,?!#%+=*"),
    5: list("<>[]{}`"),
}

QWERTY = ("qwertyuiop", "asdfghjkl", "zxcvbnm")
QWERTZ = ("qwertzuiop", "asdfghjkl", "yxcvbnm")
AZERTY = ("azertyuiop", "qsdfghjkl", "wxcvbnm")
JCUKEN = ("йцукенгшщз", "фывапролд", "ячсмить")

# Letter rows and the language's own letters, lower case, in the order of its keyboard.
LAYOUTS = {
    "lang_cs_cs": (QWERTZ, "ěščřžýáíéúůťďňó"),
    "lang_da_da": (QWERTY, "åæø"),
    "lang_de_de": (QWERTZ, "üöäß"),
    "lang_en_en": (QWERTY, ""),
    "lang_es_es": (QWERTY, "ñáéíóúü¿¡"),
    "lang_fi_fi": (QWERTY, "åöä"),
    "lang_fr_fr": (AZERTY, "éèàùçâêîôûëïüœ"),
    "lang_nb_nb": (QWERTY, "åøæ"),
    "lang_nl_nl": (QWERTY, "éëèïöüá"),
    "lang_pl_pl": (QWERTY, "ąćęłńóśźż"),
    "lang_pt_pt": (QWERTY, "çáàâãéêíóôõú"),
    "lang_ru_ru": (JCUKEN, "хъжэбюё"),
    "lang_sk_sk": (QWERTZ, "ľščťžýáíéúäôňďĺŕó"),
    "lang_sv_sv": (QWERTY, "åöä"),
}


def upper(text):
    # "ß" and the inverted marks have no capital of their own on a keyboard.
    return text if text in ("ß", "¿", "¡") else text.upper()


def key_name(row, position, caps, symbol):
    flag = lambda on: "True_" if on else "False"
    return f"keyboardRow{row}Pos{position}Caps{flag(caps)}Symbol{flag(symbol)}"


def layout_texts(letter_rows, own_letters):
    """{key name: text} for all 216 keys of one language."""
    own = list(own_letters)
    if len(own) > ROW_LENGTHS[1]:
        raise ValueError("too many letters of its own for row 2")
    letters = {
        1: DIGITS,
        2: own + PUNCTUATION[: ROW_LENGTHS[1] - len(own)],
        3: list(letter_rows[0]),
        4: list(letter_rows[1]),
        5: list(letter_rows[2]),
    }
    texts = {}
    for row, length in enumerate(ROW_LENGTHS, start=1):
        if len(letters[row]) != length:
            raise ValueError(f"row {row} has {len(letters[row])} keys, not {length}")
        symbols = DIGITS if row == 1 else SYMBOLS[row]
        shifted_symbols = SHIFTED_DIGITS if row == 1 else SYMBOLS[row]
        for position in range(length):
            letter = letters[row][position]
            texts[key_name(row, position, False, False)] = letter
            texts[key_name(row, position, False, True)] = symbols[position]
            texts[key_name(row, position, True, False)] = upper(letter)
            texts[key_name(row, position, True, True)] = shifted_symbols[position]
    return texts


def context_block(texts):
    lines = ["<context>", f"    <name>{escape(CONTEXT)}</name>"]
    for name, text in texts.items():
        lines += [
            "    <message>",
            f"        <source>{name}</source>",
            f"        <translation>{escape(text)}</translation>",
            "    </message>",
        ]
    lines.append("</context>")
    return "\n".join(lines) + "\n"


def update_file(path, texts):
    content = path.read_text(encoding="utf-8")
    block = context_block(texts)
    existing = re.compile(
        r"<context>\s*<name>" + re.escape(escape(CONTEXT)) + r"</name>.*?</context>\n",
        re.DOTALL)
    if existing.search(content):
        content = existing.sub(lambda _: block, content, count=1)
    else:
        content = content.replace("</TS>", block + "</TS>")
    path.write_text(content, encoding="utf-8")


def main():
    root = Path(__file__).resolve().parent.parent / "qml" / "view" / "languages"
    for name, (letter_rows, own_letters) in LAYOUTS.items():
        path = root / f"{name}.ts"
        if not path.exists():
            sys.exit(f"missing {path}")
        update_file(path, layout_texts(letter_rows, own_letters))


if __name__ == "__main__":
    main()
