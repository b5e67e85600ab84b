"""Tatoeba English-Mandarin sentence pairs: loading, spoken-sentence choice and word examples."""

import gzip
import re
from dataclasses import dataclass

from . import DATA

PAIRS = DATA / "tatoeba" / "cmn.txt.gz"
ATTRIBUTION = re.compile(r"#(\d+) \(([^)]*)\) & #(\d+) \(([^)]*)\)")
CONTRACTIONS = {
    "i'm", "i'll", "i've", "i'd", "you're", "you'll", "you've", "you'd", "he's", "he'll", "he'd",
    "she's", "she'll", "she'd", "it's", "it'll", "we're", "we'll", "we've", "we'd", "they're",
    "they'll", "they've", "they'd", "that's", "there's", "here's", "what's", "who's", "where's",
    "how's", "let's", "don't", "doesn't", "didn't", "can't", "couldn't", "won't", "wouldn't",
    "shouldn't", "isn't", "aren't", "wasn't", "weren't", "haven't", "hasn't", "hadn't", "mustn't",
}


@dataclass(frozen=True)
class Pair:
    english: str
    chinese: str
    en_id: int
    en_user: str
    zh_id: int
    zh_user: str

    @property
    def tokens(self):
        return re.findall(r"[A-Za-z][A-Za-z']*", self.english)

    def credit(self):
        return f"#{self.en_id} ({self.en_user}) & #{self.zh_id} ({self.zh_user})"


def _clean_english(text):
    text = text.replace("’", "'").replace("‘", "'").replace("“", '"').replace("”", '"').strip()
    if "/" in text or not all(32 <= ord(ch) < 127 for ch in text):
        return None
    return re.sub(r"\s+", " ", text)


def _clean_chinese(text):
    text = text.replace("\u200b", "").strip()
    if not text or "/" in text or "\u20ac" in text:
        return None
    try:
        text.encode("gb2312")  # simplified characters only; rows with others are left out
    except UnicodeEncodeError:
        return None
    return text


def load(path=PAIRS):
    """One pair per English sentence (its first usable translation), in file order."""
    pairs, seen = [], set()
    with gzip.open(path, "rt", encoding="utf-8-sig", newline="\n") as handle:
        for line in handle:
            fields = line.rstrip("\n").split("\t")
            if len(fields) < 3:
                continue
            match = ATTRIBUTION.search(fields[2])
            english, chinese = _clean_english(fields[0]), _clean_chinese(fields[1])
            if not (match and english and chinese) or english in seen:
                continue
            seen.add(english)
            en_id, en_user, zh_id, zh_user = match.groups()
            pairs.append(Pair(english, chinese, int(en_id), en_user, int(zh_id), zh_user))
    return pairs


def names_free(pair, dictionary):
    """True when every capitalised word after the first is a dictionary headword ("English",
    "Monday"), so the sentence names no person or town ("Tom", "Boston")."""
    tokens = pair.tokens
    if not tokens:
        return False
    first = tokens[0]
    if first != "I" and not first.lower().startswith("i'") and dictionary.find(first) is None:
        return False
    for token in tokens[1:]:
        bare = re.sub(r"'s$", "", token)
        if token[0].isupper() and bare != "I" and not token.startswith("I'") and dictionary.get(bare) is None:
            return False
    return True


def word_forms(row):
    """The headword and its inflected forms listed in ECDICT's exchange field, lower case."""
    forms = {row.word.lower()}
    for key in "pdi3srt":
        value = row.exchange.get(key, "")
        forms.update(v.lower() for v in value.split(",") if v)
    return forms
