"""Word entries built from ECDICT: headword choice, phonetic and meaning."""

import re
from dataclasses import dataclass, field

from . import definitions
from . import meaning as meanings
from . import phonetic
from .ecdict import NO_RANK, Dictionary


@dataclass
class Entry:
    """One stored entry: "word/phonetic/meaning" plus continuation lines joined to it."""

    word: str
    phonetic: str
    meaning: str
    extra: list = field(default_factory=list)

    def lines(self):
        return [f"{self.word}/{self.phonetic}/{self.meaning}"] + self.extra


def sort_key(word):
    """Alphabetical order that ignores case and punctuation, with a stable tie-break."""
    return (re.sub(r"[^a-z0-9 ]", "", word.lower()), word.lower(), word)


class Vocabulary:
    def __init__(self, dictionary=None):
        self.dictionary = dictionary or Dictionary()
        self._phonetics = {}
        self._learnable = {}

    def row(self, word):
        return self.dictionary.get(word)

    def rank(self, word):
        row = self.row(word)
        return row.rank if row else NO_RANK

    def tagged(self, *tags):
        return self.dictionary.tagged(*tags)

    # --- headwords ---

    def learnable(self, word):
        if word not in self._learnable:
            self._learnable[word] = self._find_learnable(word)
        return self._learnable[word]

    def _find_learnable(self, word):
        """The headword a learner should meet for word: an inflected form whose translation only
        names the form ("accidents": "事故（accident的复数）") or has no sense of its own ("higher":
        "[经] 上扬") becomes its lemma; None drops it."""
        row = self.row(word)
        if row is None or "/" in word or not re.match(r"[A-Za-z]", word):
            return None
        lemma = row.exchange.get("0", "")
        if meanings.only_forms(row.translation) or lemma and meanings.without_part_of_speech(row.translation):
            if lemma and lemma != word and self.row(lemma) and not meanings.only_forms(self.row(lemma).translation):
                return lemma
            if meanings.only_forms(row.translation):
                return None  # a pointer to a form ("oafish的变形") is no meaning
        return word if meanings.meaning(row.translation, 200) else None

    def headwords(self, words):
        """words mapped through learnable(), without duplicates, in alphabetical order."""
        chosen = {self.learnable(w) for w in words}
        chosen.discard(None)
        return sorted(chosen, key=sort_key)

    def by_rank(self, words):
        return sorted(words, key=lambda w: (self.rank(w), sort_key(w)))

    # --- fields ---

    def phonetic(self, word):
        if word not in self._phonetics:
            self._phonetics[word] = self._find_phonetic(word)
        return self._phonetics[word]

    def _own(self, word):
        row = self.dictionary.find(word)
        return phonetic.to_ascii(row.phonetic, word) if row else ""

    def _find_phonetic(self, word):
        own = self._own(word)
        if own:
            return own
        parts = re.split(r"[- ]+", word)
        if len(parts) > 1:
            # "far-reaching", "ice cream": each part keeps its own stress
            sounds = [self.phonetic(part) for part in parts]
            return " ".join(sounds) if all(sounds) else ""
        row = self.row(word)
        lemma = row.exchange.get("0", "") if row else ""
        if lemma and lemma != word and self._own(lemma):
            sound = phonetic.inflected(word, lemma, row.exchange.get("1", ""), self._own(lemma))
            if sound:
                return sound
        for guess, code in phonetic.lemma_guesses(word):
            if self._own(guess):
                return phonetic.inflected(word, guess, code, self._own(guess))
        for base, suffix in phonetic.derived_bases(word):
            sound = self._own(base)
            if sound:
                # "mutual" + "ly" sounds one l
                return sound + (suffix[1:] if sound.endswith("l") and suffix.startswith("l") else suffix)
        return ""

    def glossed(self, word):
        """Parts of speech the word's English glosses cover, when they are complete (ECDICT keeps at
        most four glosses, so four may hide other parts of speech); else empty."""
        row = self.row(word)
        pairs = definitions.glosses(row.definition) if row else []
        return frozenset(pos for pos, _ in pairs) if len(pairs) < 4 else frozenset()

    def meaning(self, word, budget, max_senses=4):
        row = self.row(word)
        return meanings.meaning(row.translation, budget, max_senses, True, self.glossed(word), word) if row else ""

    def entry(self, word, budget, max_senses=4):
        return Entry(word, self.phonetic(word), self.meaning(word, budget, max_senses))
