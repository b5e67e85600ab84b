"""English definitions (ECDICT's WordNet glosses) as continuation lines of an entry.

A continuation line must hold no "/" and must hold "(" so the program's reader joins it to the entry
before it; "(n.) ..." gives both.
"""

import re
import unicodedata

POS = {"n": "n.", "v": "v.", "s": "adj.", "a": "adj.", "r": "adv."}
WORDNET_LINE = re.compile(r"^([nvsar])\.?\s+(\S.*)$")


def _ascii(text):
    text = text.replace("`", "'").replace("’", "'").replace("‘", "'").replace("“", '"').replace("”", '"')
    text = unicodedata.normalize("NFKD", text)
    return "".join(ch for ch in text if 32 <= ord(ch) < 127)


def _shorten(text, limit):
    """Whole glosses ("a; b; c") while they fit; a first gloss longer than limit is cut at a word."""
    clauses = [c.strip() for c in text.split(";") if c.strip()]
    kept = clauses[:1]
    for clause in clauses[1:]:
        if len("; ".join(kept + [clause])) > limit:
            break
        kept.append(clause)
    short = "; ".join(kept)
    if len(short) > limit:
        short = short[: limit - 3].rsplit(" ", 1)[0].rstrip(",;:") + "..."
    return short


def glosses(definition):
    """(part of speech, gloss) pairs of the WordNet lines of an ECDICT definition field."""
    pairs = []
    for raw in re.split(r"\\r\\n|\\n|\r?\n", definition):
        match = WORDNET_LINE.match(raw.strip())
        if not match:
            continue
        text = re.sub(r"\s+", " ", _ascii(match.group(2))).strip()
        if re.match(r"[A-Z].*\.$", text):
            continue  # an old dictionary's sentence, not a WordNet gloss
        if text and "/" not in text:
            pairs.append((POS[match.group(1)], text))
    return pairs


def continuation_lines(definition, max_lines, limit, order=()):
    """Up to max_lines lines "  (pos) gloss", one per distinct gloss, each at most limit characters.

    Glosses of the parts of speech in order (those of the Chinese meaning) come first, and glosses
    that fit whole are preferred to ones that must be cut."""
    rank = {pos: i for i, pos in enumerate(order)}
    pairs = glosses(definition)
    pairs.sort(key=lambda p: rank.get(p[0], len(rank)))
    shortened = [(pos, _shorten(text, limit)) for pos, text in pairs]
    whole = [p for p in shortened if not p[1].endswith("...")]
    cut = [p for p in shortened if p[1].endswith("...")]
    lines, seen = [], set()
    for pos, short in whole + cut:
        if short.lower() in seen:
            continue
        seen.add(short.lower())
        lines.append((pos, short))
        if len(lines) == max_lines:
            break
    lines.sort(key=lambda p: rank.get(p[0], len(rank)))
    return [f"  ({pos}) {short}" for pos, short in lines]
