"""Exam phrase lists (2ndLA/english-phrases) with their ECDICT glosses, and ECDICT's own phrases."""

import csv
import re
from dataclasses import dataclass

from . import DATA
from . import meaning as meanings

PHRASES = DATA / "phrases"
ECDICT_PHRASES = DATA / "ecdict" / "ecdict_phrases_ranked.csv"
EXAMS = ("junior", "senior", "cet4", "cet6", "npee", "tem4", "tem8", "toefl", "ielts", "gre")


@dataclass
class Phrase:
    text: str
    headword: str
    translation: str
    collins: int = 0


def tidy_text(text):
    """A phrase as shown: single blanks, "sb.s" mended; None when it cannot stand in a list line."""
    text = re.sub(r"\s+", " ", text.replace("sb.s ", "sb.'s ")).strip()
    if not text or "/" in text or not all(32 <= ord(c) < 127 or c == "…" for c in text):
        return None
    return text


def normal(text):
    """A phrase reduced for comparison across lists ("one's"/"sb.'s" alike, no dots or ellipses)."""
    text = text.lower().replace("…", " ").replace("...", " ")
    text = re.sub(r"\b(one's|sb\.'s|sb's|sb\.s|sth\.'s)", "one's", text)
    text = re.sub(r"\b(sb|sth|sp)\.", r"\1", text)
    return re.sub(r"\s+", " ", text).strip()


def load_exam(exam):
    """The phrases of one exam list in file order, with the ECDICT row matched to each (if any)."""
    with open(PHRASES / f"{exam}_with_ecdict.tsv", encoding="utf-8", newline="") as handle:
        rows = list(csv.reader(handle, delimiter="\t", quoting=csv.QUOTE_NONE))
    return [Phrase(r[0], r[1], r[2]) for r in rows[1:] if len(r) >= 3]


def load_ecdict_phrases():
    """ECDICT's multi-word headwords that carry a frequency mark, with their Collins stars."""
    with open(ECDICT_PHRASES, encoding="utf-8", newline="") as handle:
        rows = list(csv.DictReader(handle))
    out = []
    for rec in rows:
        stars = int(rec["collins"]) if rec["collins"].isdigit() else 0
        out.append(Phrase(rec["word"], rec["word"], rec["translation"], stars))
    return out


def trusted_gloss(phrase, budget):
    """The tidied gloss of a phrase, or '' when the match behind it is not the phrase itself:
    a one-word headword ("be blind to" -> "blind") glosses a different thing."""
    if not phrase.translation or " " not in phrase.headword.strip():
        return ""
    lines = meanings.parse(phrase.translation)
    chosen = meanings.choose(lines, keep_forms=False)
    if all(line.kind == "web" for line in chosen) and normal(phrase.headword) != normal(phrase.text):
        return ""
    for line in chosen:
        line.pos = ""  # "n." or "na." before a phrase's gloss says nothing
    return meanings.render(chosen, budget)


def exam_counts():
    """normal(phrase) -> the number of exam lists that hold it, a measure of how core it is."""
    counts = {}
    for exam in EXAMS:
        for key in sorted({normal(p.text) for p in load_exam(exam)}):
            counts[key] = counts.get(key, 0) + 1
    return counts


PLACEHOLDERS = {"sb", "sth", "sp", "somebody", "something", "doing", "do"}
STAND_INS = {
    "one's": ("my", "your", "his", "her", "its", "our", "their", "one's"),
    "oneself": ("myself", "yourself", "himself", "herself", "itself", "ourselves", "yourselves",
                "themselves", "oneself"),
}


def _tokens(text):
    """The phrase's words: placeholders (None) only between two real words, the first word kept."""
    words = normal(text).split()
    tokens = words[:1] + [None if t in PLACEHOLDERS else t for t in words[1:]]
    while tokens and tokens[-1] is None:
        tokens.pop()
    return tokens if len(tokens) > 1 or len(words) == 1 else words


def _words(sentence):
    return re.findall(r"[a-z][a-z']*", sentence)


def corpus_counts(texts, sentences, forms_of):
    """normal(text) -> how many of the sentences use the phrase: a placeholder ("sb.", "one's")
    stands for up to three words and the first word may be inflected (forms_of gives its forms)."""
    lowered = [" ".join(_words(s.lower())) + " " for s in sentences]
    index = {}
    for number, sentence in enumerate(lowered):
        for word in set(sentence.split()):
            index.setdefault(word, set()).add(number)
    counts = {}
    for text in texts:
        tokens = _tokens(text)
        if not tokens:
            counts[normal(text)] = 0
            continue
        first = sorted(forms_of(tokens[0]) | {tokens[0]}, key=lambda f: (-len(f), f))
        hits = set().union(*(index.get(f, set()) for f in first))
        parts = ["(?:" + "|".join(re.escape(f) for f in first) + ") "]
        for token in tokens[1:]:
            if token is None:
                parts.append(r"(?:\S+ ){0,3}")
            elif token in STAND_INS:
                hits &= set().union(*(index.get(f, set()) for f in STAND_INS[token]))
                parts.append("(?:" + "|".join(STAND_INS[token]) + ") ")
            else:
                hits &= index.get(token, set())
                parts.append(re.escape(token) + " ")
        regex = re.compile(r"(?:^| )" + "".join(parts))
        counts[normal(text)] = sum(1 for n in hits if regex.search(lowered[n]))
    return counts
