"""List files as the program stores them (GBK, CR LF) and the checks every packaged list must pass.

The checks follow the program's reader: a line with "/" is an entry; a line without "/" that holds
"=", "<>", an ASCII "(", or a ":" after its first character is joined to the entry before it; any
other line is dropped.
"""

import re

MAX_ENTRIES = 10000
PHONETIC_CHARS = set("57ABCEFIJNQTVWZ\\:() abdefghijklmnoprstuvwz")
BOOK_HEADING = re.compile(r"^Book \d 第.册$")
LIST_HEADING = re.compile(r"^list \d+ \S.* --- \S.*$")


def encode(lines):
    text = "".join(line + "\r\n" for line in lines)
    return text.encode("gbk")


def line_kind(line):
    if "/" in line:
        return "entry"
    if "=" in line or "<>" in line or "(" in line or ":" in line[1:]:
        return "continuation"
    return "dropped"


def split_entry(line):
    """(word, phonetic, meaning) as the reader splits an entry line; word is '' when it starts with '/'."""
    p = line.find("/")
    if p <= 0:
        return "", "", ""
    rest = line[p + 1 :]
    q = rest.find("/")
    if q < 0:
        return line[:p], "", rest
    return line[:p], rest[:q], rest[q + 1 :]


def _character_problems(text):
    problems = []
    if "\u20ac" in text:
        problems.append("holds the euro sign (byte 0x80)")
    if any(0xE000 <= ord(ch) <= 0xF8FF for ch in text):
        problems.append("holds a private-use character")
    if "\r" in text.replace("\r\n", "") or "\n" in text.replace("\r\n", ""):
        problems.append("has a line end other than CR LF")
    if text and not text.endswith("\r\n"):
        problems.append("last line has no CR LF")
    return problems


def _entry_problems(number, line, phrase_list):
    word, phonetic, meaning = split_entry(line)
    where = f"line {number}"
    if not word or word != word.strip():
        return [f"{where}: empty or padded word: {line!r}"]
    if line.count("/") < 2:
        return [f"{where}: entry without a second '/': {line!r}"]
    if BOOK_HEADING.match(word) and not phonetic and not meaning:
        return []
    problems = []
    if phrase_list and phonetic != " ":
        problems.append(f"{where}: phrase entry without '/ /': {line!r}")
    if not phrase_list and not set(phonetic) <= PHONETIC_CHARS:
        problems.append(f"{where}: phonetic {phonetic!r} outside the ASCII phonetic alphabet")
    if not meaning.strip():
        problems.append(f"{where}: empty meaning: {line!r}")
    return problems


def check(data, phrase_list=False):
    """Problems of one list file's bytes (an empty list when it is sound)."""
    if data.startswith(b"\xef\xbb\xbf"):
        return ["starts with a UTF-8 byte-order mark"]
    try:
        text = data.decode("gbk")
    except UnicodeDecodeError as error:
        return [f"not GBK text: {error}"]
    problems = _character_problems(text)
    entries, words = 0, set()
    for number, line in enumerate(text.split("\r\n")[:-1], start=1):
        kind = line_kind(line)
        if kind == "entry":
            entries += 1
            problems += _entry_problems(number, line, phrase_list)
            word = split_entry(line)[0]
            if word in words:
                problems.append(f"line {number}: {word!r} is listed twice")
            words.add(word)
        elif kind == "continuation" and (entries == 0 or not line.startswith("  ")):
            problems.append(f"line {number}: stray continuation line: {line!r}")
        elif kind != "dropped" and re.match(r"list \d+ ", line):
            problems.append(f"line {number}: heading the reader would keep: {line!r}")
        elif kind == "dropped" and not LIST_HEADING.match(line):
            problems.append(f"line {number}: line the reader would drop: {line!r}")
    if entries == 0:
        problems.append("no entries")
    if entries > MAX_ENTRIES:
        problems.append(f"{entries} entries, more than the reader's {MAX_ENTRIES}")
    return problems


def entry_count(data):
    return sum(1 for line in data.decode("gbk").split("\r\n") if line_kind(line) == "entry")
