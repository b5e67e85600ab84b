"""The shared inputs of all lists, loaded once, and the record of Tatoeba sentences used."""

from . import phrases
from . import sentences
from .vocab import Entry, Vocabulary, sort_key


class Sources:
    def __init__(self):
        self.vocabulary = Vocabulary()
        self.dictionary = self.vocabulary.dictionary
        self._pairs = None
        self.used_pairs = {}  # Tatoeba English id -> Pair, for the attribution file

    @property
    def pairs(self):
        if self._pairs is None:
            self._pairs = sentences.load()
        return self._pairs

    def credit(self, pair):
        self.used_pairs[pair.en_id] = pair

    # --- word sets ---

    def tagged(self, *tags):
        """Learnable headwords carrying any of tags, alphabetical."""
        return self.vocabulary.headwords(self.vocabulary.tagged(*tags))

    def without(self, words, *tags):
        """words whose ECDICT row carries none of tags."""
        wanted = set(tags)
        return [w for w in words if not self.dictionary.get(w).tags & wanted]

    def by_rank(self, words):
        return self.vocabulary.by_rank(words)

    def entries(self, words, budget, max_senses=4):
        return [self.vocabulary.entry(w, budget, max_senses) for w in sorted(words, key=sort_key)]

    # --- phrases ---

    def forms_of(self, word):
        row = self.dictionary.get(word)
        return sentences.word_forms(row) if row else {word}

    def phrase_entries(self, candidates, budget):
        """Phrase entries "text/ /gloss" for candidates with a trusted gloss, one per phrase."""
        out, seen = [], set()
        for phrase in candidates:
            text = phrases.tidy_text(phrase.text)
            gloss = phrases.trusted_gloss(phrase, budget) if text else ""
            key = phrases.normal(text) if text else ""
            if gloss and key not in seen:
                seen.add(key)
                out.append(Entry(text, " ", gloss))
        return out
