"""ECDICT phonetics converted to the ASCII alphabet of the phonetic font.

The font draws ASCII characters as phonetic symbols: 5 primary and 7 secondary stress, A ae, B script a,
C open o, E schwa, F esh, I small capital i, J upsilon, N eng, Q turned v, T eth, V ezh, W theta,
Z epsilon, backslash reversed epsilon, ':' length; other letters stand for themselves.
"""

import re


class PhoneticError(ValueError):
    pass


SYMBOLS = {
    "ә": "E", "ə": "E", "ɚ": "E",  # Cyrillic schwa in most rows, IPA in a few
    "ɜ": "\\", "\\": "\\",
    "'": "5", "ˈ": "5",
    "ː": ":", ":": ":",
    "æ": "A", "ɑ": "B", "ɔ": "C", "ɒ": "C",
    "ʃ": "F", "ɪ": "I", "ʊ": "J", "ŋ": "N", "ʌ": "Q",
    "ð": "T", "ʒ": "V", "θ": "W",
    "ɛ": "Z", "є": "Z", "ε": "Z",
    "ɡ": "g", "^": "g",  # '^' is the font's own g kept by rows converted from it
    "c": "k", "y": "i",  # two typing slips ("'aiәnclæd", "simәl'teiniәsly")
    "(": "(", ")": ")", " ": " ", "7": "7",
}
for _letter in "abdefghiklmnoprstuvwz":
    SYMBOLS[_letter] = _letter

# a 'j' is the consonant only before a vowel; elsewhere it is the font's upsilon that some rows kept
VOWELS = set("aeiouәəæɑɔɒʌɪʊɜєεɛ\\j")
SEPARATOR = re.compile(r"(\s*[.,]\s*|\s+)")


def _tidy(raw):
    text = raw.replace("\u00a0", " ").replace("ˌ", ",").replace("ˈ", "'")
    text = text.split(";")[0]
    text = text.replace("(?@)", "").replace("(r)", "")
    text = re.sub(r"\\+", r"\\", text)
    return text.strip()


def _is_variant(sep, chunk, current, whole):
    """True when sep starts an alternative pronunciation rather than marking secondary stress."""
    if chunk.startswith("-") or chunk.endswith("-"):
        return True
    if not re.search(r"[.,]", sep):
        return False
    if sep != sep.strip() or chunk.startswith("'"):
        return True
    if "'" not in whole:
        return True  # "bæθ.bɑ:θ": two stressless one-syllable variants
    return "'" in current and "'" in chunk and chunk[:3] == current[:3]


def _first_variant(text, multiword):
    lead = ""
    match = re.match(r"[.,]\s*", text)
    if match:
        lead, text = ",", text[match.end():]
    parts = SEPARATOR.split(text)
    current = parts[0]
    for i in range(1, len(parts) - 1, 2):
        sep, chunk = parts[i], parts[i + 1]
        if _is_variant(sep, chunk, current, text):
            break
        if re.search(r"[.,]", sep):
            current += "," + chunk
        else:
            current += (" " if multiword else "") + chunk
    return lead + current


def to_ascii(raw, word):
    """The first pronunciation of an ECDICT phonetic in the font's ASCII alphabet ('' if none).

    Raises PhoneticError for a character the alphabet has no counterpart for."""
    text = _tidy(raw)
    if not text or text.startswith("-"):
        return ""
    text = _first_variant(text, " " in word or "-" in word)
    text = text.replace("-", "").replace(",", "7")
    out = []
    for i, ch in enumerate(text):
        if ch == "j":
            following = text[i + 1] if i + 1 < len(text) else ""
            after_schwa = i > 0 and text[i - 1] in "әə"  # "әj" is always the diphthong of "go"
            out.append("j" if following in VOWELS and following and not after_schwa else "J")
            continue
        if ch not in SYMBOLS:
            raise PhoneticError(f"{word!r}: no ASCII symbol for {ch!r} in phonetic {raw!r}")
        out.append(SYMBOLS[ch])
    result = re.sub(r"\s+", " ", "".join(out)).strip()
    result = result.replace("()", "")
    if "/" in result:
        raise PhoneticError(f"{word!r}: '/' in phonetic {result!r}")
    return result


# --- phonetics of regular inflections and of stress-neutral suffixes, from the base's phonetic ---

VOICELESS = ("p", "t", "k", "f", "W", "s", "F")
SIBILANT = ("s", "z", "F", "V")


def _plural(base):
    if base.endswith(SIBILANT):
        return base + "iz"
    return base + ("s" if base.endswith(VOICELESS) else "z")


def _past(base):
    if base.endswith(("t", "d")):
        return base + "id"
    return base + ("t" if base.endswith(VOICELESS) else "d")


def _linked(base, spelling, suffix):
    """Adds a vowel-initial suffix, sounding a final written r ("flicker" -> "flikEriN")."""
    if spelling.endswith(("r", "re")) and base.endswith(("E", ":")):
        return base + "r" + suffix
    return base + suffix


def _regular_forms(lemma, kind):
    """Regular spellings of an inflection: kind is "s", "ed", "ing", "er" or "est"."""
    forms = {lemma + kind, lemma + lemma[-1] + kind}
    if kind == "s":
        forms.add(lemma + "es")
    if lemma.endswith("e") and kind != "s":
        forms.add(lemma[:-1] + kind)
    if re.search(r"[^aeiou]y$", lemma):
        forms.add(lemma[:-1] + {"s": "ies", "ing": "ying"}.get(kind, "i" + kind))
    if lemma.endswith("ie") and kind == "ing":
        forms.add(lemma[:-2] + "ying")
    return forms


def lemma_guesses(word):
    """(lemma, code) pairs that could give word by a regular inflection or an "-er" noun."""
    guesses = []
    for code, kind in (("s", "s"), ("d", "ed"), ("i", "ing"), ("r", "er"), ("t", "est")):
        for cut in {len(kind), len(kind) - 1, len(kind) + 1}:
            if 0 < cut < len(word) - 2 and word.endswith(kind[-cut:] if cut <= len(kind) else kind):
                stem = word[:-cut]
                for lemma in (stem, stem + "e", stem[:-1] + "y", stem[:-1]):
                    if word in _regular_forms(lemma, kind):
                        guesses.append((lemma, code))
    return sorted(set(guesses))


def inflected(word, lemma, codes, base):
    """Phonetic of word as a regular inflection of lemma (whose phonetic is base), or ''."""
    rules = (
        ("s3", "s", _plural),
        ("dp", "ed", _past),
        ("i", "ing", lambda b: _linked(b, lemma, "iN")),
        ("r", "er", lambda b: _linked(b, lemma, "E")),
        ("t", "est", lambda b: _linked(b, lemma, "ist")),
    )
    for code_set, kind, make in rules:
        if set(codes) & set(code_set) and word in _regular_forms(lemma, kind):
            return make(base)
    return ""


NEUTRAL_SUFFIXES = (("ly", "li"), ("ness", "nis"), ("ment", "mEnt"), ("less", "lis"), ("ful", "ful"))


def derived_bases(word):
    """(base word, phonetic suffix) pairs for word = base + a suffix that leaves the stress alone."""
    pairs = []
    for suffix, sound in NEUTRAL_SUFFIXES:
        if word.endswith(suffix) and len(word) > len(suffix) + 2:
            stem = word[: -len(suffix)]
            pairs.append((stem, sound))
            if stem.endswith("i"):
                pairs.append((stem[:-1] + "y", sound))
    if word.endswith("ly"):
        pairs.append((word[:-2] + "le", "i"))
    if word.endswith("ically"):
        pairs.append((word[:-4], "Eli"))
    return pairs
