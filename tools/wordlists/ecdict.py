"""ECDICT rows: loading, exam tags, frequency rank and lemma links."""

import csv
import gzip
import io
from dataclasses import dataclass, field

from . import DATA

CORE = DATA / "ecdict" / "ecdict_core.csv.gz"
NO_RANK = 10**9
# exchange codes of a row that is an inflected form of its lemma ("0:")
INFLECTION_CODES = set("sdpi3rt")


@dataclass
class Row:
    word: str
    phonetic: str
    definition: str
    translation: str
    tags: frozenset
    frq: int
    bnc: int
    exchange: dict = field(default_factory=dict)

    @property
    def rank(self):
        """Frequency rank (1 = most frequent); rows without any rank sort last."""
        if self.frq > 0:
            return self.frq
        if self.bnc > 0:
            return self.bnc
        return NO_RANK

    @property
    def lemma(self):
        """The lemma this row inflects, or None when the row is not an inflected form."""
        lemma = self.exchange.get("0", "")
        codes = set(self.exchange.get("1", ""))
        if lemma and lemma != self.word and codes and codes <= INFLECTION_CODES:
            return lemma
        return None


def _number(text):
    try:
        return int(text)
    except ValueError:
        return 0


def _exchange(text):
    parts = {}
    for item in text.split("/"):
        key, sep, value = item.partition(":")
        if sep:
            parts[key] = value
    return parts


class Dictionary:
    """All rows of the ECDICT core file, looked up by headword."""

    def __init__(self, path=CORE):
        self.rows = {}
        with gzip.open(path, "rb") as raw:
            reader = csv.DictReader(io.TextIOWrapper(raw, encoding="utf-8", newline=""))
            for rec in reader:
                row = Row(
                    word=rec["word"],
                    phonetic=rec["phonetic"],
                    definition=rec["definition"],
                    translation=rec["translation"],
                    tags=frozenset(rec["tag"].split()),
                    frq=_number(rec["frq"]),
                    bnc=_number(rec["bnc"]),
                    exchange=_exchange(rec["exchange"]),
                )
                self.rows[row.word] = row
        self._lower = {}
        for word in sorted(self.rows):
            self._lower.setdefault(word.lower(), word)

    def get(self, word):
        return self.rows.get(word)

    def find(self, word):
        """Row for word, trying the exact spelling first and then any case."""
        row = self.rows.get(word)
        if row is None:
            exact = self._lower.get(word.lower())
            row = self.rows.get(exact) if exact else None
        return row

    def tagged(self, *tags):
        """Headwords carrying any of the given exam tags, sorted."""
        wanted = set(tags)
        return sorted(w for w, r in self.rows.items() if r.tags & wanted)
