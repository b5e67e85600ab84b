"""Word choices that need more than exam tags: sentence-completion words and everyday sentences."""

import re

from . import definitions
from . import sentences as tatoeba

# words of judgement, attitude and manner in a WordNet gloss ("showing arrogance", "marked by
# contempt"): the kind of word that sentence-completion items turn on
JUDGEMENT = re.compile(
    r"\b(showing|marked by|characterized by|given to|tending to|inclined|disposed|lacking|full of|"
    r"expressing|excessive(ly)?|unduly|overly|unwilling|willing|praise\w*|critici[sz]\w*|censure|"
    r"contempt\w*|scorn\w*|ridicul\w*|mock\w*|pride|proud|humble|humility|ang(er|ry)|hostil\w*|cruel\w*|"
    r"kindly|kindness|honest\w*|sincer\w*|insincer\w*|dishonest\w*|deceit\w*|deceiv\w*|stubborn\w*|"
    r"obstinate|foolish\w*|wise|wisdom|calm\w*|gloom\w*|cheer\w*|rude\w*|polite\w*|offensive|"
    r"(un)?pleasant|harsh\w*|gentle|bold\w*|timid\w*|arrogan\w*|selfish\w*|generous|greed\w*|lazy|"
    r"diligen\w*|careful|careless\w*|caution\w*|reckless\w*|(dis)?respect\w*|flatter\w*|obedien\w*|"
    r"defian\w*|boastful|vain|modest\w*|shame\w*|guilt\w*|blame\w*|hypocri\w*|trivial|"
    r"insignificant|superficial|profound|obscure|vague|ambigu\w*|concise|wordy|talkative|"
    r"exaggerat\w*|understat\w*|bias\w*|impartial|prejudice\w*|unfair|(im)?moral\w*|virtu\w*|"
    r"corrupt\w*|ethical|evil|wicked|malic\w*|hatred|(un)?friendly|irritab\w*|annoy\w*|disdain\w*|"
    r"enthusias\w*|zeal\w*|apath\w*|indifferen\w*|eager\w*|reluctan\w*|skeptic\w*|doubt\w*|"
    r"stingy|thrift\w*|wasteful|extravagan\w*|lavish|frugal|(un)?conventional|(un)?orthodox|"
    r"changeable|unpredictab\w*|(in)?consistent|contradict\w*|paradox\w*|iron(y|ic\w*)|sarcas\w*|"
    r"playful|solemn|frivolous|dignit\w*|genuine|credible|(im)?plausible|convinc\w*|persua\w*|"
    r"dull|boring|tedious|noteworthy|remarkable|commonplace|banal|trite|hackneyed)\b",
    re.IGNORECASE,
)


def shows_judgement(row):
    glosses = definitions.glosses(row.definition)
    return bool(glosses) and bool(JUDGEMENT.search(glosses[0][1]))


# --- everyday sentences ---

UNSUITED = re.compile(
    r"\b(kill\w*|die[ds]?|dead|death|suicide|murder\w*|gun|shoot\w*|shot|bomb\w*|drunk|sex\w*|naked|stupid|"
    r"idiot|hell)\b",
    re.I,
)
STOPWORDS = set(
    "a an the i you he she it we they me him her us them my your his its our their this that these "
    "those is am are was were be been being do does did have has had will would can could shall "
    "should may might must to of in on at for with from by about as and or but not no so if than "
    "too very what who where when why how there here all some any".split()
)


def everyday_words(dictionary):
    """School vocabulary (ECDICT tags zk, gk) with every inflected form, plus common contractions."""
    words = set(tatoeba.CONTRACTIONS)
    for row in dictionary.rows.values():
        if row.tags & {"zk", "gk"}:
            words |= tatoeba.word_forms(row)
    return words


def _content(pair):
    return {t.lower() for t in pair.tokens} - STOPWORDS


def _is_everyday(pair, words, dictionary):
    tokens = pair.tokens
    if not (3 <= len(tokens) <= 11 and len(pair.english) <= 60) or re.search(r"\d", pair.english):
        return False
    if UNSUITED.search(pair.english) or not tatoeba.names_free(pair, dictionary):
        return False
    return all(t.lower() in words or t.lower().endswith("'s") and t.lower()[:-2] in words for t in tokens)


# sentences taken by length in words, so the list runs from short exchanges to fuller sentences
LENGTH_QUOTAS = ((3, 4, 0.2), (5, 6, 0.32), (7, 8, 0.3), (9, 11, 0.18))


def _quota(pair, count):
    n = len(pair.tokens)
    for low, high, share in LENGTH_QUOTAS:
        if low <= n <= high:
            return (low, round(share * count))
    return None


def spoken(pairs, dictionary, count):
    """count everyday sentences of 3 to 11 words, varied: at most 4 share a content word, 3 their
    first two words, none shares all its content words with one already taken, and the lengths
    follow LENGTH_QUOTAS (a second pass without them fills what they leave). The result keeps the
    corpus order (shorter English first)."""
    words = everyday_words(dictionary)
    candidates = [p for p in pairs if _is_everyday(p, words, dictionary)]
    state = {"word": {}, "opening": {}, "length": {}, "seen": set()}
    chosen = set()
    for with_quotas in (True, False):
        for number, pair in enumerate(candidates):
            if len(chosen) == count:
                break
            if number not in chosen and _fits(pair, state, count if with_quotas else None):
                chosen.add(number)
    return [candidates[n] for n in sorted(chosen)]


def _fits(pair, state, count):
    """Takes pair into state when it keeps the list varied (see spoken)."""
    quota = _quota(pair, count) if count else None
    if count and (quota is None or state["length"].get(quota[0], 0) >= quota[1]):
        return False
    content = _content(pair)
    opening = " ".join(t.lower() for t in pair.tokens[:2])
    key = frozenset(content)
    if not content or key in state["seen"] or state["opening"].get(opening, 0) >= 3:
        return False
    if any(state["word"].get(w, 0) >= 4 for w in content):
        return False
    state["seen"].add(key)
    if quota:
        state["length"][quota[0]] = state["length"].get(quota[0], 0) + 1
    state["opening"][opening] = state["opening"].get(opening, 0) + 1
    for w in content:
        state["word"][w] = state["word"].get(w, 0) + 1
    return True


def examples(pairs, rows, dictionary):
    """headword -> the shortest names-free sentence (5 to 12 words) using one of its forms, each
    sentence given to one word only; rows are the ECDICT rows of the headwords, in list order."""
    index = {}
    for number, pair in enumerate(pairs):
        if 5 <= len(pair.tokens) <= 12 and not UNSUITED.search(pair.english):
            for token in {t.lower() for t in pair.tokens}:
                index.setdefault(token, []).append(number)
    used, found = set(), {}
    for row in rows:
        candidates = sorted(
            {n for form in tatoeba.word_forms(row) for n in index.get(form, [])},
            key=lambda n: (len(pairs[n].english), n),
        )
        for number in candidates:
            if number not in used and tatoeba.names_free(pairs[number], dictionary):
                used.add(number)
                found[row.word] = pairs[number]
                break
    return found
