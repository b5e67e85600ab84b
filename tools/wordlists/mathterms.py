"""The GRE mathematics terms: the project's own term list with Chinese attested by open dictionaries."""

import csv
import re

from . import DATA
from . import meaning as meanings
from . import phonetic
from .vocab import Entry, sort_key

TERMS = DATA / "math" / "gre_math_terms.tsv"
ECDICT_TERMS = DATA / "ecdict" / "ecdict_math_terms.csv"
CEDICT_MATH = DATA / "cedict-math" / "cccedict_math_labelled.tsv"


class UnattestedSense(ValueError):
    pass


def load_terms():
    terms = []
    with open(TERMS, encoding="utf-8") as handle:
        for line in handle:
            if line.strip() and not line.startswith("#"):
                term, chinese = line.rstrip("\n").split("\t")
                terms.append((term, chinese.split("，")))
    return terms


def _ecdict_rows():
    with open(ECDICT_TERMS, encoding="utf-8", newline="") as handle:
        return {rec["word"].lower(): rec for rec in csv.DictReader(handle)}


def _cedict():
    with open(CEDICT_MATH, encoding="utf-8", newline="") as handle:
        rows = list(csv.reader(handle, delimiter="\t"))
    return [(r[0], r[2].lower()) for r in rows[1:]]


def attested(term, row, cedict):
    """Chinese senses the sources give for term: its ECDICT senses (with and without a bracketed
    note) and the CC-CEDICT math headwords whose gloss names the term."""
    senses = set()
    if row:
        for line in meanings.parse(row["translation"]):
            for sense in line.senses:
                senses.add(sense)
                senses.add(re.sub(r"（[^）]*）", "", sense))
    word = re.compile(r"(?<![a-z])" + re.escape(term.lower()) + r"(?![a-z])")
    senses.update(simplified for simplified, gloss in cedict if word.search(gloss))
    return senses


def _phonetic(term, rows, vocabulary):
    """The term's own phonetic, else its words' phonetics side by side ("" when one is unknown)."""
    row = rows.get(term.lower())
    sound = phonetic.to_ascii(row["phonetic"], term) if row else ""
    if sound or " " not in term:
        return sound or vocabulary.phonetic(term)
    parts = [_phonetic(part, rows, vocabulary) for part in term.split()]
    return " ".join(parts) if all(parts) else ""


def entries(vocabulary):
    """One entry per term, alphabetical; raises UnattestedSense for a Chinese sense no source gives."""
    rows, cedict = _ecdict_rows(), _cedict()
    out = []
    for term, chinese in load_terms():
        row = rows.get(term.lower())
        known = attested(term, row, cedict)
        missing = [c for c in chinese if c not in known]
        if missing:
            raise UnattestedSense(f"MATH1 {term!r}: {missing} not found in ECDICT or CC-CEDICT")
        out.append(Entry(term, _phonetic(term, rows, vocabulary), "，".join(chinese)))
    return sorted(out, key=lambda e: sort_key(e.word))
