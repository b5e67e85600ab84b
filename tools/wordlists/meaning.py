"""Chinese meanings: ECDICT translations tidied into one short line of senses."""

import functools
import re
from dataclasses import dataclass

POS_NAMES = {"a.": "adj.", "ad.": "adv.", "un.": "", "int.": "interj.", "vt.vi.": "v.", "vi.vt.": "v."}
FORM_WORDS = (
    r"(名词)?(复数|过去式|过去分词|现在分词|ing形式|三单形式|第三人称单数|比较级|最高级|单数第一人称|现在时|变形)"
)
# "（accident的复数）", "( ape的名词复数 )", "（activity复数形式）": a form note inside a sense
FORM_NOTE = re.compile(r"[（(]\s*[A-Za-z][A-Za-z\- ]*的?\s*" + FORM_WORDS + r"[^（）()]*[）)]")
# "bend的过去式和过去分词", "be的现在时复数或第二人称单数": a whole line naming a form of another word
FORM_LINE = re.compile(r"^[A-Za-z\-]+\s*的?\s*" + FORM_WORDS)
# "目标objective的名词复数": a sense that ends in such a note
FORM_TAIL = re.compile(r"[A-Za-z\-]+\s*的\s*" + FORM_WORDS + r"$")
CJK = r"\u3000-\u303f\u3400-\u9fff\uff00-\uffef"
# characters of the private-use area that stand for real ones in ECDICT
PRIVATE_USE = {"\ue7ab": "啰", "\ue7b3": "瘈"}
SEPARATORS = ",，;；"


@dataclass
class SenseLine:
    pos: str
    senses: list
    kind: str  # "general", "domain", "web", "form" or "name"
    noted: bool = False  # the line named a form of another word ("（accident的复数）")


def gbk_safe(text):
    """text with every character the GBK code page (and the program) cannot hold removed."""
    out = []
    for ch in text:
        ch = PRIVATE_USE.get(ch, ch)
        if ch == "\u20ac" or 0xE000 <= ord(ch) <= 0xF8FF or 0x2500 <= ord(ch) <= 0x259F:
            continue  # euro sign (byte 0x80), private use, box drawing
        if ord(ch) < 32:
            continue
        try:
            ch.encode("gbk")
        except UnicodeEncodeError:
            continue
        out.append(ch)
    return "".join(out)


def split_top_level(text, separators=SEPARATORS):
    """Splits at separators that are not inside brackets."""
    parts, depth, current = [], 0, []
    for ch in text:
        if ch in "(（[【":
            depth += 1
        elif ch in ")）]】":
            depth = max(0, depth - 1)
        if ch in separators and depth == 0:
            parts.append("".join(current))
            current = []
        else:
            current.append(ch)
    parts.append("".join(current))
    return parts


def _balanced(text):
    for left, right in ("()", "（）", "[]", "【】"):
        if text.count(left) != text.count(right):
            text = text.replace(left, "").replace(right, "")
    return text


def tidy_sense(text):
    text = gbk_safe(text).replace("/", "／").replace("...", "…").replace("…。", "…")
    text = re.sub(r"\[[^\]]{1,4}\]\s*", "", text)  # an inline field tag such as "[音]"
    text = re.sub(r"\(([^()]*[" + CJK + r"][^()]*)\)", r"（\1）", text)
    text = re.sub(r"\s+", " ", text)
    text = re.sub(r"\s*([" + CJK + r"])\s*", r"\1", text)
    text = _balanced(text.strip(" :：\"'“”"))
    return text.strip()


def _pos(line):
    match = re.match(r"^((?:[a-z]{1,6}\.)+)\s*", line)
    if not match:
        return "", line
    pos = match.group(1)
    return POS_NAMES.get(pos, pos), line[match.end():]


def _sense_line(raw):
    raw = re.sub(r"\[[A-Za-z ]+\]", "", gbk_safe(raw)).strip()
    pos, rest = _pos(raw)
    kind = "general"
    if rest.startswith("[网络]"):
        kind = "web"
    elif re.match(r"^\[[^\]]{1,4}\]", rest):
        kind = "domain"
    rest = _balanced(re.sub(r"^\[[^\]]{1,4}\]\s*", "", rest))
    if FORM_LINE.match(rest):
        kind = "form"
    elif re.search(r"人名|（姓氏）", rest):
        kind = "name"
    senses = []
    for part in split_top_level(FORM_NOTE.sub("", rest)):
        sense = tidy_sense(part)
        if sense and sense not in senses and re.search("[" + CJK + "]", sense):
            senses.append(sense)
    noted = bool(FORM_NOTE.search(rest)) or any(FORM_TAIL.search(x) for x in senses)
    return SenseLine(pos, senses, kind, noted)


def parse(translation):
    """Fresh SenseLine objects for translation (see _parse); callers may change them."""
    return [SenseLine(line.pos, list(line.senses), line.kind, line.noted) for line in _parse(translation)]


@functools.lru_cache(maxsize=None)
def _parse(translation):
    """The sense lines of an ECDICT translation field (lines are separated by a literal \\n).

    Lines of one part of speech and kind are merged; notes on DOS commands (and the unlabelled
    line that may continue them) are dropped."""
    lines = []
    after_dos = False
    for raw in re.split(r"\\r\\n|\\n|\r?\n", translation):
        line = _sense_line(raw)
        if "DOS" in raw and "命令" in raw or after_dos and not line.pos:
            after_dos = True
            continue
        after_dos = False
        same = [old for old in lines if old.pos == line.pos and old.kind == line.kind]
        if same:
            same[0].senses += [x for x in line.senses if x not in same[0].senses]
            same[0].noted = same[0].noted and line.noted
        elif line.senses:
            lines.append(line)
    return lines


def only_forms(translation):
    """True when every meaningful line only describes a form of another word (or a name), so the
    word is better learnt as its lemma."""
    lines = [line for line in parse(translation) if line.kind != "name"]
    return all(line.kind == "form" or line.noted for line in lines)


def without_part_of_speech(translation):
    """True when no chosen sense line names a part of speech ("上扬", "[计] 处理") or each is an
    abbreviation: for an inflected form ("higher", "processing", "topics") a sign that ECDICT has
    no sense of its own for it."""
    lines = [line for line in choose(parse(translation)) if line.kind != "form"]
    return all(not line.pos or line.pos == "abbr." for line in lines)


def _width(text):
    return len(text.encode("gbk"))


def _render(lines, counts):
    parts = []
    for line, n in zip(lines, counts):
        if n:
            body = "，".join(line.senses[:n])
            parts.append(f"{line.pos} {body}" if line.pos else body)
    return "；".join(parts)


def choose(lines, keep_forms=True, word=""):
    """The lines worth showing: general senses, else field senses, else web senses, with the notes
    naming the word as a form of another ("find的过去式" for "found", not "run的过去分词" for "run")."""
    forms = [line for line in lines if line.kind == "form" and not (word and line.senses[0].startswith(word + "的"))]
    for kind in ("general", "domain", "web"):
        chosen = [line for line in lines if line.kind == kind]
        if chosen:
            return chosen + forms if keep_forms else chosen
    return forms


def render(lines, budget, max_senses=4):
    """Senses taken round by round (first sense of every line, then the second, ...) while the text
    stays within budget bytes; the first sense, and a note naming the word as a form of another
    ("find的过去式和过去分词" for "found"), are always kept."""
    if not lines:
        return ""
    counts = [1 if i == 0 or line.kind == "form" else 0 for i, line in enumerate(lines)]
    for round_no in range(max_senses):
        for i, line in enumerate(lines):
            if counts[i] != round_no or round_no >= len(line.senses):
                continue
            trial = counts[:]
            trial[i] += 1
            if _width(_render(lines, trial)) <= budget:
                counts = trial
    return _render(lines, counts)


WORDNET_POS = {"vt.": "v.", "vi.": "v.", "v.": "v.", "n.": "n.", "adj.": "adj.", "adv.": "adv."}


def prefer(lines, glossed):
    """lines with those whose part of speech has no English gloss moved last: ECDICT gives
    "disrupt" an adjective line first, yet the word is a verb. glossed is the set of parts of speech
    ("v.", "n.", "adj.", "adv.") the word's English definitions cover; empty leaves the order alone."""
    if not glossed:
        return lines
    return sorted(lines, key=lambda line: line.kind == "form" or WORDNET_POS.get(line.pos, "") not in glossed | {""})


@functools.lru_cache(maxsize=None)
def meaning(translation, budget, max_senses=4, keep_forms=True, glossed=frozenset(), word=""):
    return render(prefer(choose(parse(translation), keep_forms, word), glossed), budget, max_senses)


def parts_of_speech(translation, glossed=frozenset()):
    """The parts of speech of the chosen sense lines, in order, named as WordNet glosses name them."""
    order = []
    for line in prefer(choose(parse(translation)), glossed):
        name = WORDNET_POS.get(line.pos)
        if name and name not in order:
            order.append(name)
    return order
